#pragma once

#include "core/text.h"

// A modal message box with an OK button only, no icon and the application's title; returns
// when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void MsgBox(const Text& text) = 0;
};
