#pragma once

#include "core/handler_support.h"
#include "utf8.h"

#include <string>
#include <vector>

// Keeps the texts of the message boxes shown, in order, as UTF-8.
class MessageRecorder : public MessageBox {
public:
    std::vector<std::string> shown;
    void MsgBox(const Text& text) override { shown.push_back(Utf8(text)); }
};
