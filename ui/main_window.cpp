#include "ui/main_window.h"

#include "ui/alarm_clock_icon.h"
#include "ui/controls.h"
#include "ui/light_face.h"
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
PictureBox* AddSchematic(QWidget& window) {
    auto* picture = new PictureBox(&window);
    PlaceControl(*picture, MainWindowSchematic());
    picture->setPicture(SchematicPixmap(DpiScale(window), window.devicePixelRatioF()));
    return picture;
}

} // namespace

MainWindow::MainWindow(MessageBox& messages) : messages_(messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Convertitore step down"));
    setWindowIcon(AlarmClockIcon());
    setPalette(LightFace());
    resize(TwipsSize(MainWindowWidth, MainWindowHeight, *this));
    createControls();
    setFocusOrder();
}

// The layout lists the text boxes, result boxes and buttons in the order of their numbers.
void MainWindow::createControls() {
    schematic_ = AddSchematic(*this);
    for (const ControlLayout& layout : MainWindowLabels()) {
        AddLabel(*this, layout);
    }
    std::size_t k = 0;
    for (const ControlLayout& layout : MainWindowResultBoxes()) {
        results_[k++] = AddBorderedBox(*this, layout);
    }
    k = 0;
    for (const ControlLayout& layout : MainWindowTextBoxes()) {
        fields_[k++] = AddTextBox(*this, layout);
    }
    const std::span<const ControlLayout> buttons = MainWindowButtons();
    command1_ = AddButton(*this, buttons[0]);
    command2_ = AddButton(*this, buttons[1]);
    command3_ = AddButton(*this, buttons[2]);
}

// The keyboard walks the design column, its button, the circuit data of the verification (the
// frequency last), the first two counts, the sample-data button and the last count. The
// schematic holds the focus at start, so no field looks selected.
void MainWindow::setFocusOrder() {
    using enum TextBox;
    QWidget* const order[] = {schematic_,     &field(Text1),  &field(Text2), &field(Text3),
                              &field(Text4),  &field(Text5),  &field(Text6), command1_,
                              &field(Text7),  &field(Text8),  &field(Text9), &field(Text10),
                              &field(Text11), &field(Text12), command2_,     &field(Text13),
                              &field(Text14), command3_,      &field(Text15)};
    for (std::size_t k = 1; k < std::size(order); ++k) {
        setTabOrder(order[k - 1], order[k]);
    }
    schematic_->setFocus();
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
    ShowValue(*results_[static_cast<std::size_t>(label)], FromText(caption));
}

void MainWindow::MsgBox(const Text& text) {
    messages_.MsgBox(text);
}
