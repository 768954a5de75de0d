#pragma once

#include "core/handler_support.h"

#include <string>

// The name of the control that each field and value box of the handlers stands for, as the
// windows' layouts give it: "Text7", "Label24", "Label2".

inline std::string ControlName(TextBox box) {
    return "Text" + std::to_string(static_cast<int>(box));
}

inline std::string ControlName(ResultLabel label) {
    static const char* const names[] = {"Label24", "Label25", "Label26", "Label27", "Label32"};
    return names[static_cast<int>(label)];
}

inline std::string ControlName(SummaryLabel label) {
    static const char* const names[] = {"Label2", "Label5", "Label8", "Label9", "Label16"};
    return names[static_cast<int>(label)];
}
