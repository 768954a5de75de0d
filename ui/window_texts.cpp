// The words of the layout-managed windows, shown in the language in use.
#include "ui/window_texts.h"

#include "figure/language.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

// The label whose buddy is `control`: the one that names it in its form.
QLabel* LabelOf(QWidget& window, const QWidget& control) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() == &control) {
            return label;
        }
    }
    return nullptr;
}

void ShowText(QWidget& control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(&control)) {
        group->setTitle(text);
    }
}

void ShowWindowText(QWidget& window, const char* context, const WindowText& text) {
    const QString shown = Translated(context, text.italian);
    QWidget* control = *text.control == '\0'
                           ? &window
                           : window.findChild<QWidget*>(QString::fromUtf8(text.control));
    if (control == nullptr) {
        return;
    }
    switch (text.place) {
    case TextPlace::WindowTitle:
        control->setWindowTitle(shown);
        break;
    case TextPlace::Text:
        ShowText(*control, shown);
        break;
    case TextPlace::AccessibleName:
        control->setAccessibleName(shown);
        break;
    case TextPlace::BuddyLabel:
        if (QLabel* label = LabelOf(window, *control)) {
            label->setText(shown);
        }
        break;
    }
}

} // namespace

void TranslateWindowTexts(QWidget& window, const char* context, std::span<const WindowText> texts) {
    for (const WindowText& text : texts) {
        ShowWindowText(window, context, text);
    }
}

QLabel* AddLabelledRow(QFormLayout& form, QWidget& field) {
    auto* label = new QLabel;
    label->setBuddy(&field);
    form.addRow(label, &field);
    return label;
}
