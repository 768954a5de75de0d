#pragma once

#include "core/color.h"
#include "core/message_box.h"
#include "core/text.h"

// The text boxes of the main window: design data Text1..Text6, verification data Text7..Text15.
enum class TextBox {
    Text1 = 1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Text15
};

// The design result boxes of the main window.
enum class ResultLabel { Label24, Label25, Label26, Label27, Label32 };

// What the handlers of the main window do to it.
class Form1Operations : public MessageBox {
public:
    virtual Text text(TextBox box) const = 0;
    virtual void setText(TextBox box, const Text& text) = 0;
    virtual void setForeColor(TextBox box, Color color) = 0;
    virtual void setCaption(ResultLabel label, const Text& caption) = 0;
};
