#pragma once

#include <span>

class QFormLayout;
class QLabel;
class QWidget;

// The words of a window laid out by Qt's layouts, in the language in use: each text is written
// once, in Italian, in a table of the window, and shown translated in the window's context
// (named after its class) when the window is made and again whenever the language changes.

// Where a text of the window goes.
enum class TextPlace {
    WindowTitle,    // the window's own title
    Text,           // a label's or a button's text, a group box's title
    AccessibleName, // what assistive technologies call the control
    BuddyLabel,     // the text of the label that names the control (its buddy)
};

// One text: the control (by object name; empty for the window itself), where the text goes on
// it and the Italian text (UTF-8, marked for the catalogue with QT_TRANSLATE_NOOP).
struct WindowText {
    const char* control;
    TextPlace place;
    const char* italian;
};

// Shows every text of `texts` on `window`'s controls, translated in `context`.
void TranslateWindowTexts(QWidget& window, const char* context, std::span<const WindowText> texts);

// A row of `form`: `field` with a label that names it and takes its mnemonic. The label's text
// is one of the window's texts (TextPlace::BuddyLabel) or set through the label returned.
QLabel* AddLabelledRow(QFormLayout& form, QWidget& field);
