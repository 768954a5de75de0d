#pragma once

#include "core/message_box.h"

// The worked example raises no message; should one come, it must not wait for a click.
class SilentMessages : public MessageBox {
public:
    void MsgBox(const Text&) override {}
};
