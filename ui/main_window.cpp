// Form1, the main window: its controls with their layout tables.
#include "ui/main_window.h"

#include "figure/qt_text.h"
#include "ui/controls.h"
#include "ui/pictures.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace {

// The layout of the main window: its size, then its controls grouped by the kind of widget
// that shows them.

// Client area of Form1 in twips.
constexpr int MainWindowWidth = 15870;
constexpr int MainWindowHeight = 10365;

// Static texts: the title, the symbols and units beside each field, the section headings, the
// legend of the symbols and the contact line. The Greek letters are shown as themselves.
const std::array labels{
    ControlLayout{"Label2", "Convertitore tipo inverter", 240, 120, 4815, 495, 18},
    // Design data
    ControlLayout{"Label1", "Progetto > dati:", 11280, 360, 2055, 255, 9.75},
    ControlLayout{"Label3", "Vi", 10680, 720, 375, 375, 9.75},
    ControlLayout{"Label4", "[V]", 13440, 720, 735, 375, 9.75, {}, "volt"},
    ControlLayout{"Label5", "|Vo|", 10680, 1200, 495, 375, 9.75},
    ControlLayout{"Label6", "[V]", 13440, 1200, 735, 375, 9.75, {}, "volt"},
    ControlLayout{"Label7", "f", 10800, 1680, 255, 255, 9.75},
    ControlLayout{"Label8", "[kHz]", 13440, 1680, 735, 255, 9.75, {}, "kilohertz"},
    ControlLayout{"Label9", "Δ", 10320, 2160, 135, 255, 9.75, {}, "Delta"},
    ControlLayout{"Label11", "iL/ILm", 10440, 2160, 735, 255, 9.75},
    ControlLayout{"Label10", "[%]", 13440, 2160, 495, 375, 9.75, {}, "percento"},
    ControlLayout{"Label12", "Δ", 10680, 2640, 255, 255, 9.75, {}, "Delta"},
    ControlLayout{"Label13", "Vo", 10800, 2640, 375, 375, 9.75},
    ControlLayout{"Label14", "[mV]", 13440, 2640, 615, 375, 9.75, {}, "millivolt"},
    ControlLayout{"Label17", "|Io|", 10800, 3120, 375, 375, 9.75},
    ControlLayout{"Label18", "[A]", 13440, 3120, 495, 375, 9.75, {}, "ampere"},
    ControlLayout{"Label15", "Δ", 11280, 3720, 255, 255, 9.75, {}, "Delta"},
    ControlLayout{"Label16", "iL= (0.3 ; 0.5 )*Io", 11400, 3720, 1695, 375, 9.75},
    // Design results
    ControlLayout{"Label19", "Progetto > Risultati:", 11280, 4080, 2175, 255, 9.75},
    ControlLayout{"Label20", "L", 10800, 4440, 255, 255, 9.75},
    ControlLayout{"Label21", "[uH]", 13440, 4440, 615, 375, 9.75, {}, "microhenry"},
    ControlLayout{"Label22", "C", 10800, 4920, 375, 375, 9.75},
    ControlLayout{"Label23", "[uF]", 13440, 4920, 495, 375, 9.75, {}, "microfarad"},
    ControlLayout{"Label28", "IDP", 10800, 5400, 375, 255, 8.25},
    ControlLayout{"Label29", "[A]", 13440, 5400, 375, 375, 9.75, {}, "ampere"},
    ControlLayout{"Label31", "IDm", 10800, 5880, 375, 255, 8.25},
    ControlLayout{"Label30", "[A]", 13440, 5880, 495, 375, 9.75, {}, "ampere"},
    ControlLayout{"Label33", "Iim", 10800, 6360, 375, 255, 8.25},
    ControlLayout{"Label34", "[A]", 13440, 6360, 495, 375, 9.75, {}, "ampere"},
    // Verification data
    ControlLayout{"Label35", "Verifica > dati:", 1800, 6000, 1575, 255, 8.25},
    ControlLayout{"Label36", "Vi", 1440, 6480, 255, 255, 9.75},
    ControlLayout{"Label37", "[V]", 3840, 6480, 375, 255, 9.75, {}, "volt"},
    ControlLayout{"Label46", "f", 1440, 6960, 135, 255, 9.75},
    ControlLayout{"Label47", "[kHz]", 3840, 6840, 735, 255, 9.75, {}, "kilohertz"},
    ControlLayout{"Label38", "D", 1440, 7440, 255, 255, 8.25},
    ControlLayout{"Label39", "[%]", 3840, 7320, 495, 375, 9.75, {}, "percento"},
    ControlLayout{"Label40", "L", 1440, 8040, 255, 255, 9.75},
    ControlLayout{"Label43", "[uH]", 3840, 7920, 615, 375, 9.75, {}, "microhenry"},
    ControlLayout{"Label41", "C", 1440, 8640, 255, 255, 9.75},
    ControlLayout{"Label44", "[uF]", 3840, 8520, 495, 375, 9.75, {}, "microfarad"},
    ControlLayout{"Label42", "RL", 1440, 9120, 255, 255, 8.25},
    ControlLayout{"Label45", "[Ω]", 3840, 9000, 375, 255, 12, {}, "ohm"},
    ControlLayout{"Label48", "N", 5040, 6360, 255, 255, 8.25},
    ControlLayout{"Label56", "Numero campioni", 7440, 6480, 1935, 255, 8.25},
    ControlLayout{"Label49", "NP", 5040, 6840, 255, 255, 8.25},
    ControlLayout{"Label57", "Numero periodi visualizzati", 7440, 6960, 2655, 255, 8.25},
    ControlLayout{"Label64", "NI", 5040, 7320, 255, 255, 8.25},
    ControlLayout{"Label65", "Numero iterazioni", 7440, 7320, 1695, 255, 8.25},
    ControlLayout{"Label66", "Attendere!", 360, 9720, 1215, 255, 8.25},
    // Legend of the symbols
    ControlLayout{"Label50", "Vi = tensione continua in ingresso", 5040, 7800, 3375, 255, 8.25},
    ControlLayout{"Label51", "|Vo| = valore asoluto della tensione continua desiderata in uscita",
                  5040, 8160, 4095, 375, 8.25},
    ControlLayout{"Label52", "f = frequenza di commutazione", 5040, 8640, 2775, 255, 8.25},
    ControlLayout{"Label53", "DeltaiL = variazione di picco della corrente nell'induttore", 5040,
                  9000, 5055, 255, 8.25},
    ControlLayout{"Label54", "DeltaVo = variazione di picco della tensione in uscita", 5040, 9360,
                  4815, 255, 8.25},
    ControlLayout{"Label55", "Io = corrente continua in uscita", 5040, 9720, 2775, 255, 8.25},
    ControlLayout{"Label58", "D = duty cycle = ton/(ton+toff) =| Vo|/(Vi + |Vo|)", 5040, 10080,
                  5055, 255, 8.25},
    ControlLayout{"Label59", "ton =  intervallo di tempo in cui l'interruttore è chiuso", 10320,
                  7680, 5055, 255, 8.25},
    ControlLayout{"Label60", "toff = intervallo di tempo in cui l'iterruttore è aperto", 10320,
                  8040, 5175, 255, 8.25},
    ControlLayout{"Label61", "IDP = corrente di picco nel diodo", 10320, 8400, 4815, 255, 8.25},
    ControlLayout{"Label62", "IDm = corrente media nel diodo", 10320, 8760, 5415, 255, 8.25},
    ControlLayout{"Label63", "Iim = corrente media, o continua,  in ingresso ", 10320, 9120, 4455,
                  255, 8.25},
    // Contact line: the tool's name and version in the window's regular default font
    ControlLayout{"Label67", "Inverter " CONVERTER_VERSION, 13680, 9720, 1575, 285, 8.25, LightCyan,
                  "Inverter, versione " CONVERTER_VERSION, false},
};

// The design results: empty until the design calculation writes them. Listed in the order of
// ResultLabel.
const std::array resultBoxes{
    ControlLayout{"Label24", "", 11280, 4440, 2055, 375, 8.25, LightBlue,
                  "L, induttanza calcolata, microhenry"},
    ControlLayout{"Label25", "", 11280, 4920, 2055, 375, 8.25, LightBlue,
                  "C, capacità calcolata, microfarad"},
    ControlLayout{"Label26", "", 11280, 5400, 2055, 375, 8.25, LightBlue,
                  "IDP, corrente di picco calcolata nel diodo, ampere"},
    ControlLayout{"Label27", "", 11280, 5880, 2055, 375, 8.25, LightBlue,
                  "IDm, corrente media calcolata nel diodo, ampere"},
    ControlLayout{"Label32", "", 11280, 6360, 2055, 375, 8.25, LightBlue,
                  "Iim, corrente media calcolata in ingresso, ampere"},
};

// Design data in light blue, verification data in light pink; three simulation counts start
// with usable values so that a designed converter can be verified at once. Listed in the order
// of their numbers.
const std::array textBoxes{
    ControlLayout{"Text1", "", 11280, 720, 2055, 375, 8.25, LightBlue,
                  "Vi, tensione di ingresso, volt"},
    ControlLayout{"Text2", "", 11280, 1200, 2055, 375, 8.25, LightBlue,
                  "Vo, valore assoluto della tensione di uscita, volt"},
    ControlLayout{"Text3", "", 11280, 1680, 2055, 375, 8.25, LightBlue,
                  "f, frequenza di commutazione, kilohertz"},
    ControlLayout{"Text4", "", 11280, 2160, 2055, 375, 8.25, LightBlue,
                  "Delta iL su ILm, ondulazione della corrente nell'induttore, percento"},
    ControlLayout{"Text5", "", 11280, 2640, 2055, 375, 8.25, LightBlue,
                  "Delta Vo, ondulazione della tensione di uscita, millivolt"},
    ControlLayout{"Text6", "", 11280, 3120, 2055, 375, 8.25, LightBlue,
                  "Io, valore assoluto della corrente di uscita, ampere"},
    ControlLayout{"Text7", "", 1800, 6360, 1935, 375, 8.25, LightPink,
                  "Vi, tensione di ingresso da verificare, volt"},
    ControlLayout{"Text8", "", 1800, 7320, 1935, 375, 8.25, LightPink, "D, duty cycle, percento"},
    ControlLayout{"Text9", "", 1800, 7920, 1935, 375, 8.25, LightPink, "L, induttanza, microhenry"},
    ControlLayout{"Text10", "", 1800, 8520, 1935, 375, 8.25, LightPink, "C, capacità, microfarad"},
    ControlLayout{"Text11", "", 1800, 9000, 1935, 375, 8.25, LightPink,
                  "RL, resistenza di carico, ohm"},
    ControlLayout{"Text12", "", 1800, 6840, 1935, 375, 8.25, LightPink,
                  "f, frequenza di commutazione da verificare, kilohertz"},
    ControlLayout{"Text13", "1000", 5400, 6360, 1935, 375, 8.25, LightPink,
                  "N, numero campioni per periodo"},
    ControlLayout{"Text14", "10", 5400, 6840, 1935, 375, 8.25, LightPink,
                  "NP, numero periodi visualizzati"},
    ControlLayout{"Text15", "5000", 5400, 7320, 1935, 375, 8.25, LightPink,
                  "NI, numero periodi simulati"},
};

// Listed in the order of their numbers.
const std::array buttons{
    ControlLayout{"Command1", "Calcola L , C , IDP, IDm , Iim", 10920, 6840, 2895, 495, 8.25,
                  LightBlue, "Calcola L, C, IDP, IDm, Iim"},
    ControlLayout{"Command2", "Grafici", 1800, 9600, 1935, 495, 8.25, LightPink},
    ControlLayout{"Command3", "Dati Esempio", 13920, 3720, 1455, 495, 8.25, LightBlue},
};

const ControlLayout schematic{
    "Picture1", "", 240, 720, 9615, 5175, 8.25, {}, "Schema del convertitore tipo inverter"};

// The schematic is slightly larger than its box: its right and bottom edges are cut off.
PictureBox* AddSchematic(QWidget& window) {
    auto* picture = new PictureBox(&window);
    PlaceControl(*picture, schematic);
    picture->setPicture(SchematicPixmap(DpiScale(window), window.devicePixelRatioF()));
    return picture;
}

} // namespace

MainWindow::MainWindow(MessageBox& messages) : messages_(messages) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Convertitore step down"));
    setWindowIcon(AlarmClockIcon());
    setPalette(LightFace());
    clientArea_ = new QWidget(this);
    clientArea_->setObjectName(QStringLiteral("Form1ClientArea"));
    createControls();
    // The menu bar sits above the client area, which keeps its size and every control its place.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    layout->setMenuBar(menuBar_);
    createMenus();
    layout->addWidget(clientArea_);
    const QSize client = TwipsSize(MainWindowWidth, MainWindowHeight, *this);
    clientArea_->resize(client);
    resize(client.width(), client.height() + menuBar_->sizeHint().height());
    setFocusOrder();
}

// The layout lists the text boxes, result boxes and buttons in the order of their numbers.
void MainWindow::createControls() {
    QWidget& area = *clientArea_;
    schematic_ = AddSchematic(area);
    for (const ControlLayout& layout : labels) {
        AddLabel(area, layout);
    }
    std::size_t k = 0;
    for (const ControlLayout& layout : resultBoxes) {
        results_[k++] = AddBorderedBox(area, layout);
    }
    k = 0;
    for (const ControlLayout& layout : textBoxes) {
        fields_[k++] = AddTextBox(area, layout);
    }
    command1_ = AddButton(area, buttons[0]);
    command2_ = AddButton(area, buttons[1]);
    command3_ = AddButton(area, buttons[2]);
}

void MainWindow::createMenus() {
    QMenu* design = menuBar_->addMenu(QStringLiteral("&Progetto"));
    standardValues_ = design->addAction(QStringLiteral("&Valori normalizzati..."));
    standardValues_->setObjectName(QStringLiteral("actionStandardValues"));
    standardValues_->setEnabled(false);
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

QLabel& MainWindow::result(ResultLabel label) const {
    return *results_[static_cast<std::size_t>(label)];
}

Text MainWindow::text(TextBox box) const {
    return ToText(field(box).text());
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
    ShowValue(result(label), FromText(caption));
}

void MainWindow::MsgBox(const Text& text) {
    messages_.MsgBox(text);
}
