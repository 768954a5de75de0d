#pragma once

#include "core/handler_support.h"

// Benchmarks measure the computation, not a person closing message boxes: should a message
// come, it must not wait for a click.
class SilentMessages : public MessageBox {
public:
    void MsgBox(const Text&) override {}
};
