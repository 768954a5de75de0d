// Form1, the main window: its controls with their layout tables.
#include "ui/main_window.h"

#include "figure/language.h"
#include "figure/qt_text.h"
#include "ui/controls.h"
#include "ui/language_menu.h"
#include "ui/pictures.h"

#include <QAction>
#include <QEvent>
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
    ControlLayout{"Label2", QT_TRANSLATE_NOOP("Form1", "Convertitore tipo inverter"), 240, 120,
                  4815, 495, 18},
    // Design data
    ControlLayout{"Label1", QT_TRANSLATE_NOOP("Form1", "Progetto > dati:"), 11280, 360, 2055, 255,
                  9.75},
    ControlLayout{"Label3", QT_TRANSLATE_NOOP("Form1", "Vi"), 10680, 720, 375, 375, 9.75},
    ControlLayout{"Label4", QT_TRANSLATE_NOOP("Form1", "[V]"), 13440, 720, 735, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "volt")},
    ControlLayout{"Label5", QT_TRANSLATE_NOOP("Form1", "|Vo|"), 10680, 1200, 495, 375, 9.75},
    ControlLayout{"Label6", QT_TRANSLATE_NOOP("Form1", "[V]"), 13440, 1200, 735, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "volt")},
    ControlLayout{"Label7", QT_TRANSLATE_NOOP("Form1", "f"), 10800, 1680, 255, 255, 9.75},
    ControlLayout{"Label8", QT_TRANSLATE_NOOP("Form1", "[kHz]"), 13440, 1680, 735, 255, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "kilohertz")},
    ControlLayout{"Label9", QT_TRANSLATE_NOOP("Form1", "Δ"), 10320, 2160, 135, 255, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "Delta")},
    ControlLayout{"Label11", QT_TRANSLATE_NOOP("Form1", "iL/ILm"), 10440, 2160, 735, 255, 9.75},
    ControlLayout{"Label10", QT_TRANSLATE_NOOP("Form1", "[%]"), 13440, 2160, 495, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "percento")},
    ControlLayout{"Label12", QT_TRANSLATE_NOOP("Form1", "Δ"), 10680, 2640, 255, 255, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "Delta")},
    ControlLayout{"Label13", QT_TRANSLATE_NOOP("Form1", "Vo"), 10800, 2640, 375, 375, 9.75},
    ControlLayout{"Label14", QT_TRANSLATE_NOOP("Form1", "[mV]"), 13440, 2640, 615, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "millivolt")},
    ControlLayout{"Label17", QT_TRANSLATE_NOOP("Form1", "|Io|"), 10800, 3120, 375, 375, 9.75},
    ControlLayout{"Label18", QT_TRANSLATE_NOOP("Form1", "[A]"), 13440, 3120, 495, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "ampere")},
    ControlLayout{"Label15", QT_TRANSLATE_NOOP("Form1", "Δ"), 11280, 3720, 255, 255, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "Delta")},
    ControlLayout{"Label16", QT_TRANSLATE_NOOP("Form1", "iL= (0.3 ; 0.5 )*Io"), 11400, 3720, 1695,
                  375, 9.75},
    // Design results
    ControlLayout{"Label19", QT_TRANSLATE_NOOP("Form1", "Progetto > Risultati:"), 11280, 4080, 2175,
                  255, 9.75},
    ControlLayout{"Label20", QT_TRANSLATE_NOOP("Form1", "L"), 10800, 4440, 255, 255, 9.75},
    ControlLayout{"Label21", QT_TRANSLATE_NOOP("Form1", "[uH]"), 13440, 4440, 615, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "microhenry")},
    ControlLayout{"Label22", QT_TRANSLATE_NOOP("Form1", "C"), 10800, 4920, 375, 375, 9.75},
    ControlLayout{"Label23", QT_TRANSLATE_NOOP("Form1", "[uF]"), 13440, 4920, 495, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "microfarad")},
    ControlLayout{"Label28", QT_TRANSLATE_NOOP("Form1", "IDP"), 10800, 5400, 375, 255, 8.25},
    ControlLayout{"Label29", QT_TRANSLATE_NOOP("Form1", "[A]"), 13440, 5400, 375, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "ampere")},
    ControlLayout{"Label31", QT_TRANSLATE_NOOP("Form1", "IDm"), 10800, 5880, 375, 255, 8.25},
    ControlLayout{"Label30", QT_TRANSLATE_NOOP("Form1", "[A]"), 13440, 5880, 495, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "ampere")},
    ControlLayout{"Label33", QT_TRANSLATE_NOOP("Form1", "Iim"), 10800, 6360, 375, 255, 8.25},
    ControlLayout{"Label34", QT_TRANSLATE_NOOP("Form1", "[A]"), 13440, 6360, 495, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "ampere")},
    // Verification data
    ControlLayout{"Label35", QT_TRANSLATE_NOOP("Form1", "Verifica > dati:"), 1800, 6000, 1575, 255,
                  8.25},
    ControlLayout{"Label36", QT_TRANSLATE_NOOP("Form1", "Vi"), 1440, 6480, 255, 255, 9.75},
    ControlLayout{"Label37", QT_TRANSLATE_NOOP("Form1", "[V]"), 3840, 6480, 375, 255, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "volt")},
    ControlLayout{"Label46", QT_TRANSLATE_NOOP("Form1", "f"), 1440, 6960, 135, 255, 9.75},
    ControlLayout{"Label47", QT_TRANSLATE_NOOP("Form1", "[kHz]"), 3840, 6840, 735, 255, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "kilohertz")},
    ControlLayout{"Label38", QT_TRANSLATE_NOOP("Form1", "D"), 1440, 7440, 255, 255, 8.25},
    ControlLayout{"Label39", QT_TRANSLATE_NOOP("Form1", "[%]"), 3840, 7320, 495, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "percento")},
    ControlLayout{"Label40", QT_TRANSLATE_NOOP("Form1", "L"), 1440, 8040, 255, 255, 9.75},
    ControlLayout{"Label43", QT_TRANSLATE_NOOP("Form1", "[uH]"), 3840, 7920, 615, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "microhenry")},
    ControlLayout{"Label41", QT_TRANSLATE_NOOP("Form1", "C"), 1440, 8640, 255, 255, 9.75},
    ControlLayout{"Label44", QT_TRANSLATE_NOOP("Form1", "[uF]"), 3840, 8520, 495, 375, 9.75,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "microfarad")},
    ControlLayout{"Label42", QT_TRANSLATE_NOOP("Form1", "RL"), 1440, 9120, 255, 255, 8.25},
    ControlLayout{"Label45", QT_TRANSLATE_NOOP("Form1", "[Ω]"), 3840, 9000, 375, 255, 12,
                  std::nullopt, QT_TRANSLATE_NOOP("Form1", "ohm")},
    ControlLayout{"Label48", QT_TRANSLATE_NOOP("Form1", "N"), 5040, 6360, 255, 255, 8.25},
    ControlLayout{"Label56", QT_TRANSLATE_NOOP("Form1", "Numero campioni"), 7440, 6480, 1935, 255,
                  8.25},
    ControlLayout{"Label49", QT_TRANSLATE_NOOP("Form1", "NP"), 5040, 6840, 255, 255, 8.25},
    ControlLayout{"Label57", QT_TRANSLATE_NOOP("Form1", "Numero periodi visualizzati"), 7440, 6960,
                  2655, 255, 8.25},
    ControlLayout{"Label64", QT_TRANSLATE_NOOP("Form1", "NI"), 5040, 7320, 255, 255, 8.25},
    ControlLayout{"Label65", QT_TRANSLATE_NOOP("Form1", "Numero iterazioni"), 7440, 7320, 1695, 255,
                  8.25},
    ControlLayout{"Label66", QT_TRANSLATE_NOOP("Form1", "Attendere!"), 360, 9720, 1215, 255, 8.25},
    // Legend of the symbols
    ControlLayout{"Label50", QT_TRANSLATE_NOOP("Form1", "Vi = tensione continua in ingresso"), 5040,
                  7800, 3375, 255, 8.25},
    ControlLayout{
        "Label51",
        QT_TRANSLATE_NOOP("Form1",
                          "|Vo| = valore asoluto della tensione continua desiderata in uscita"),
        5040, 8160, 4095, 375, 8.25},
    ControlLayout{"Label52", QT_TRANSLATE_NOOP("Form1", "f = frequenza di commutazione"), 5040,
                  8640, 2775, 255, 8.25},
    ControlLayout{
        "Label53",
        QT_TRANSLATE_NOOP("Form1", "DeltaiL = variazione di picco della corrente nell'induttore"),
        5040, 9000, 5055, 255, 8.25},
    ControlLayout{
        "Label54",
        QT_TRANSLATE_NOOP("Form1", "DeltaVo = variazione di picco della tensione in uscita"), 5040,
        9360, 4815, 255, 8.25},
    ControlLayout{"Label55", QT_TRANSLATE_NOOP("Form1", "Io = corrente continua in uscita"), 5040,
                  9720, 2775, 255, 8.25},
    ControlLayout{"Label58",
                  QT_TRANSLATE_NOOP("Form1", "D = duty cycle = ton/(ton+toff) =| Vo|/(Vi + |Vo|)"),
                  5040, 10080, 5055, 255, 8.25},
    ControlLayout{
        "Label59",
        QT_TRANSLATE_NOOP("Form1", "ton =  intervallo di tempo in cui l'interruttore è chiuso"),
        10320, 7680, 5055, 255, 8.25},
    ControlLayout{
        "Label60",
        QT_TRANSLATE_NOOP("Form1", "toff = intervallo di tempo in cui l'iterruttore è aperto"),
        10320, 8040, 5175, 255, 8.25},
    ControlLayout{"Label61", QT_TRANSLATE_NOOP("Form1", "IDP = corrente di picco nel diodo"), 10320,
                  8400, 4815, 255, 8.25},
    ControlLayout{"Label62", QT_TRANSLATE_NOOP("Form1", "IDm = corrente media nel diodo"), 10320,
                  8760, 5415, 255, 8.25},
    ControlLayout{"Label63",
                  QT_TRANSLATE_NOOP("Form1", "Iim = corrente media, o continua,  in ingresso "),
                  10320, 9120, 4455, 255, 8.25},
    // Contact line: the tool's name and version in the window's regular default font
    // Its accessible name, with the version, is set by the window (contactName).
    ControlLayout{"Label67", "Inverter " CONVERTER_VERSION, 13680, 9720, 1575, 285, 8.25, LightCyan,
                  nullptr, false},
};

// The design results: empty until the design calculation writes them. Listed in the order of
// ResultLabel.
const std::array resultBoxes{
    ControlLayout{"Label24", "", 11280, 4440, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "L, induttanza calcolata, microhenry")},
    ControlLayout{"Label25", "", 11280, 4920, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "C, capacità calcolata, microfarad")},
    ControlLayout{"Label26", "", 11280, 5400, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "IDP, corrente di picco calcolata nel diodo, ampere")},
    ControlLayout{"Label27", "", 11280, 5880, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "IDm, corrente media calcolata nel diodo, ampere")},
    ControlLayout{"Label32", "", 11280, 6360, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "Iim, corrente media calcolata in ingresso, ampere")},
};

// Design data in light blue, verification data in light pink; three simulation counts start
// with usable values so that a designed converter can be verified at once. Listed in the order
// of their numbers.
const std::array textBoxes{
    ControlLayout{"Text1", "", 11280, 720, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "Vi, tensione di ingresso, volt")},
    ControlLayout{"Text2", "", 11280, 1200, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "Vo, valore assoluto della tensione di uscita, volt")},
    ControlLayout{"Text3", "", 11280, 1680, 2055, 375, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "f, frequenza di commutazione, kilohertz")},
    ControlLayout{
        "Text4", "", 11280, 2160, 2055, 375, 8.25, LightBlue,
        QT_TRANSLATE_NOOP("Form1",
                          "Delta iL su ILm, ondulazione della corrente nell'induttore, percento")},
    ControlLayout{
        "Text5", "", 11280, 2640, 2055, 375, 8.25, LightBlue,
        QT_TRANSLATE_NOOP("Form1", "Delta Vo, ondulazione della tensione di uscita, millivolt")},
    ControlLayout{
        "Text6", "", 11280, 3120, 2055, 375, 8.25, LightBlue,
        QT_TRANSLATE_NOOP("Form1", "Io, valore assoluto della corrente di uscita, ampere")},
    ControlLayout{"Text7", "", 1800, 6360, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "Vi, tensione di ingresso da verificare, volt")},
    ControlLayout{"Text8", "", 1800, 7320, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "D, duty cycle, percento")},
    ControlLayout{"Text9", "", 1800, 7920, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "L, induttanza, microhenry")},
    ControlLayout{"Text10", "", 1800, 8520, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "C, capacità, microfarad")},
    ControlLayout{"Text11", "", 1800, 9000, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "RL, resistenza di carico, ohm")},
    ControlLayout{
        "Text12", "", 1800, 6840, 1935, 375, 8.25, LightPink,
        QT_TRANSLATE_NOOP("Form1", "f, frequenza di commutazione da verificare, kilohertz")},
    ControlLayout{"Text13", "1000", 5400, 6360, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "N, numero campioni per periodo")},
    ControlLayout{"Text14", "10", 5400, 6840, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "NP, numero periodi visualizzati")},
    ControlLayout{"Text15", "5000", 5400, 7320, 1935, 375, 8.25, LightPink,
                  QT_TRANSLATE_NOOP("Form1", "NI, numero periodi simulati")},
};

// Listed in the order of their numbers.
const std::array buttons{
    ControlLayout{"Command1", QT_TRANSLATE_NOOP("Form1", "Calcola L , C , IDP, IDm , Iim"), 10920,
                  6840, 2895, 495, 8.25, LightBlue,
                  QT_TRANSLATE_NOOP("Form1", "Calcola L, C, IDP, IDm, Iim")},
    ControlLayout{"Command2", QT_TRANSLATE_NOOP("Form1", "Grafici"), 1800, 9600, 1935, 495, 8.25,
                  LightPink},
    ControlLayout{"Command3", QT_TRANSLATE_NOOP("Form1", "Dati Esempio"), 13920, 3720, 1455, 495,
                  8.25, LightBlue},
};

const ControlLayout schematic{
    "Picture1", "",           240,
    720,        9615,         5175,
    8.25,       std::nullopt, QT_TRANSLATE_NOOP("Form1", "Schema del convertitore tipo inverter")};

// The contact line's accessible name: the tool and its version.
QString ContactName() {
    return Translated("Form1", QT_TRANSLATE_NOOP("Form1", "Inverter, versione %1"))
        .arg(QStringLiteral(CONVERTER_VERSION));
}

constexpr auto titleText = QT_TRANSLATE_NOOP("Form1", "Convertitore step down");
constexpr auto designMenuTitle = QT_TRANSLATE_NOOP("Form1", "&Progetto");
constexpr auto standardValuesText = QT_TRANSLATE_NOOP("Form1", "&Valori normalizzati...");

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
    translateTexts();
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
    designMenu_ = menuBar_->addMenu(QString());
    standardValues_ = designMenu_->addAction(QString());
    standardValues_->setObjectName(QStringLiteral("actionStandardValues"));
    standardValues_->setEnabled(false);
    AddLanguageMenu(*menuBar_);
}

// The title, the menus and every text of the layout in the language in use; the fields and
// the result boxes keep what they hold.
void MainWindow::translateTexts() {
    setWindowTitle(Translated("Form1", titleText));
    designMenu_->setTitle(Translated("Form1", designMenuTitle));
    standardValues_->setText(Translated("Form1", standardValuesText));
    TranslateAccessibleName(*schematic_, schematic);
    for (const ControlLayout& layout : labels) {
        TranslateLabel(*clientArea_->findChild<QLabel*>(QString::fromUtf8(layout.name)), layout);
    }
    clientArea_->findChild<QLabel*>(QStringLiteral("Label67"))->setAccessibleName(ContactName());
    for (std::size_t k = 0; k < resultBoxes.size(); ++k) {
        TranslateAccessibleName(*results_[k], resultBoxes[k]);
    }
    for (std::size_t k = 0; k < textBoxes.size(); ++k) {
        TranslateAccessibleName(*fields_[k], textBoxes[k]);
    }
    TranslateButton(*command1_, buttons[0]);
    TranslateButton(*command2_, buttons[1]);
    TranslateButton(*command3_, buttons[2]);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
    }
    QWidget::changeEvent(event);
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
