#include "ui/main_window.h"

#include "ui/alarm_clock_icon.h"
#include "ui/controls.h"
#include "ui/main_window_layout.h"
#include "ui/picture_box.h"
#include "ui/schematic.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString FromText(const Text& text) {
    return QString::fromStdU16String(text);
}

// The schematic is slightly larger than its box: its right and bottom edges are cut off.
void AddSchematic(QWidget& window) {
    auto* picture = new PictureBox(&window);
    PlaceControl(*picture, MainWindowSchematic());
    picture->setPicture(SchematicPixmap(DpiScale(window), window.devicePixelRatioF()));
}

} // namespace

MainWindow::MainWindow(MessageBox& messages) : messages_(messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Convertitore step down"));
    setWindowIcon(AlarmClockIcon());
    resize(TwipsSize(MainWindowWidth, MainWindowHeight, *this));
    createControls();
    findControls();
    setFocusOrder();
}

void MainWindow::createControls() {
    AddSchematic(*this);
    for (const ControlLayout& layout : MainWindowLabels()) {
        AddLabel(*this, layout);
    }
    for (const ControlLayout& layout : MainWindowResultBoxes()) {
        AddBorderedBox(*this, layout);
    }
    for (const ControlLayout& layout : MainWindowTextBoxes()) {
        AddTextBox(*this, layout);
    }
    for (const ControlLayout& layout : MainWindowButtons()) {
        AddButton(*this, layout);
    }
}

void MainWindow::findControls() {
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        fields_[k] = findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k + 1));
    }
    const char* const resultNames[] = {"Label24", "Label25", "Label26", "Label27", "Label32"};
    for (std::size_t k = 0; k < results_.size(); ++k) {
        results_[k] = findChild<QLabel*>(QString::fromLatin1(resultNames[k]));
    }
    command1_ = findChild<QPushButton*>(QStringLiteral("Command1"));
    command2_ = findChild<QPushButton*>(QStringLiteral("Command2"));
    command3_ = findChild<QPushButton*>(QStringLiteral("Command3"));
}

// The keyboard walks the design column, its button, the circuit data of the verification (the
// frequency last), the first two counts, the sample-data button and the last count. The
// schematic holds the focus at start, so no field looks selected.
void MainWindow::setFocusOrder() {
    const char* const order[] = {"Picture1", "Text1",  "Text2",    "Text3",  "Text4",
                                 "Text5",    "Text6",  "Command1", "Text7",  "Text8",
                                 "Text9",    "Text10", "Text11",   "Text12", "Command2",
                                 "Text13",   "Text14", "Command3", "Text15"};
    QWidget* previous = nullptr;
    for (const char* name : order) {
        auto* control = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
    findChild<QWidget*>(QStringLiteral("Picture1"))->setFocus();
}

QLineEdit& MainWindow::field(TextBox box) const {
    return *fields_[static_cast<std::size_t>(box) - 1];
}

Text MainWindow::text(TextBox box) const {
    return field(box).text().toStdU16String();
}

void MainWindow::setText(TextBox box, const Text& text) {
    field(box).setText(FromText(text));
}

void MainWindow::setForeColor(TextBox box, Color color) {
    QLineEdit& target = field(box);
    QPalette palette = target.palette();
    palette.setColor(QPalette::Text, QColor(color.red, color.green, color.blue));
    target.setPalette(palette);
}

void MainWindow::setCaption(ResultLabel label, const Text& caption) {
    results_[static_cast<std::size_t>(label)]->setText(FromText(caption));
}

void MainWindow::MsgBox(const Text& text) {
    messages_.MsgBox(text);
}
