#pragma once

#include "core/handler_support.h"

// The handlers' messages on screen: a modal box with the text, an OK button only, no icon and
// the application's title.
class DialogMessageBox : public MessageBox {
public:
    void MsgBox(const Text& text) override;
};

// The title of every message box.
inline constexpr char16_t ApplicationTitle[] = u"Convertitore tipo inverter";
