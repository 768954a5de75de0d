// Form2, the waveform window: its controls and menus with their layout tables.
#include "ui/waveform_window.h"

#include "display/trace_table.h"
#include "figure/language.h"
#include "figure/plot_mapping.h"
#include "figure/qt_text.h"
#include "ui/controls.h"
#include "ui/language_menu.h"
#include "ui/pictures.h"
#include "ui/plot_box.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>
#include <array>
#include <string>

namespace {

// The layout of the waveform window: its size, then its controls grouped by the kind of widget
// that shows them.

// Client area of Form2 in twips.
constexpr int WaveformWindowWidth = 18555;
constexpr int WaveformWindowHeight = 10005;

// An option button and the trace it selects; its caption, colour and description are the
// trace's, from the trace table.
struct OptionLayout {
    ControlLayout control;
    Trace trace;
};

// Captions and units of the measured values, and the instruction under the plot.
const std::array labels{
    ControlLayout{"Label3", QT_TRANSLATE_NOOP("Form2", "Delta iL"), 15240, 1320, 735, 255, 8.25},
    ControlLayout{"Label4", QT_TRANSLATE_NOOP("Form2", "[A]"), 17760, 1320, 255, 255, 8.25,
                  std::nullopt, QT_TRANSLATE_NOOP("Form2", "ampere")},
    ControlLayout{"Label6", QT_TRANSLATE_NOOP("Form2", "Delta Vo"), 15240, 5880, 855, 255, 8.25},
    ControlLayout{"Label7", QT_TRANSLATE_NOOP("Form2", "[mV]"), 17880, 5760, 495, 255, 8.25,
                  std::nullopt, QT_TRANSLATE_NOOP("Form2", "millivolt")},
    ControlLayout{"Label10", QT_TRANSLATE_NOOP("Form2", "Id picco"), 15240, 8040, 735, 255, 8.25},
    ControlLayout{"Label11", QT_TRANSLATE_NOOP("Form2", "[A]"), 18000, 8040, 255, 255, 8.25,
                  std::nullopt, QT_TRANSLATE_NOOP("Form2", "ampere")},
    ControlLayout{"Label12", QT_TRANSLATE_NOOP("Form2", "Id media"), 15240, 8640, 735, 255, 8.25},
    ControlLayout{"Label13", QT_TRANSLATE_NOOP("Form2", "[A]"), 18000, 8520, 255, 255, 8.25,
                  std::nullopt, QT_TRANSLATE_NOOP("Form2", "ampere")},
    ControlLayout{"Label14", QT_TRANSLATE_NOOP("Form2", "Ii media o continua in ingresso"), 13560,
                  9480, 2655, 255, 8.25},
    ControlLayout{"Label15", QT_TRANSLATE_NOOP("Form2", "[A]"), 18000, 9480, 255, 255, 8.25,
                  std::nullopt, QT_TRANSLATE_NOOP("Form2", "ampere")},
    ControlLayout{
        "Label1",
        QT_TRANSLATE_NOOP(
            "Form2",
            "Sposta il cursore del mouse sulla forma d'onda , comparirà il valore in quel punto"),
        120, 9480, 8655, 375, 9.75},
};

// The values measured on the simulated period; each box shows its own name until the first
// verification writes it.
const std::array valueBoxes{
    ControlLayout{
        "Label2", "Label2", 16080, 1200, 1575, 375, 8.25, White,
        QT_TRANSLATE_NOOP("Form2",
                          "Delta iL, ondulazione simulata della corrente nell'induttore, ampere")},
    ControlLayout{
        "Label5", "Label5", 16200, 5760, 1575, 375, 8.25, White,
        QT_TRANSLATE_NOOP("Form2",
                          "Delta Vo, ondulazione simulata della tensione di uscita, millivolt")},
    ControlLayout{
        "Label8", "Label8", 16200, 8040, 1575, 375, 8.25, White,
        QT_TRANSLATE_NOOP("Form2", "Id picco, corrente di picco simulata nel diodo, ampere")},
    ControlLayout{
        "Label9", "Label9", 16200, 8520, 1575, 375, 8.25, White,
        QT_TRANSLATE_NOOP("Form2", "Id media, corrente media simulata nel diodo, ampere")},
    ControlLayout{
        "Label16", "Label16", 16320, 9360, 1575, 375, 8.25, White,
        QT_TRANSLATE_NOOP("Form2", "Ii media, corrente media simulata in ingresso, ampere")},
};

// One button per trace, in band order, beside the trace's zero line.
const std::array options{
    OptionLayout{{"Option1", nullptr, 15360, 1800, 975, 375, 8.25}, Trace::InductorCurrent},
    OptionLayout{{"Option2", nullptr, 15360, 2640, 735, 495, 8.25}, Trace::CapacitorCurrent},
    OptionLayout{{"Option3", nullptr, 15360, 4440, 735, 615, 8.25}, Trace::OutputVoltage},
    OptionLayout{{"Option5", nullptr, 15240, 9000, 735, 495, 8.25}, Trace::DiodeCurrent},
};

const ControlLayout plotPicture{
    "Picture1",
    "",
    120,
    120,
    15015,
    9135,
    8.25,
    std::nullopt,
    QT_TRANSLATE_NOOP("Form2", "Grafico delle forme d'onda iL, iC, Vo e id")};

const ControlLayout emptyPicture{
    "Picture2", "",           16800,
    6480,       495,          375,
    8.25,       std::nullopt, QT_TRANSLATE_NOOP("Form2", "Immagine vuota")};

// A command of the menus: its object name, its text with the accelerator, its shortcuts,
// whether it needs a plotted run and whether it is switched on and off.
struct ActionLayout {
    WaveformAction which;
    const char* name;
    const char* text;
    std::initializer_list<const char*> shortcuts;
    bool needsRun;
    bool toggle;
};

const std::array actionLayouts{
    ActionLayout{WaveformAction::SaveImage,
                 "actionSaveImage",
                 QT_TRANSLATE_NOOP("Form2", "&Salva immagine..."),
                 {"Ctrl+S"},
                 true,
                 false},
    ActionLayout{WaveformAction::ExportCsv,
                 "actionExportCsv",
                 QT_TRANSLATE_NOOP("Form2", "&Esporta dati CSV..."),
                 {"Ctrl+E"},
                 true,
                 false},
    ActionLayout{WaveformAction::SaveReport,
                 "actionSaveReport",
                 QT_TRANSLATE_NOOP("Form2", "Salva &rapporto..."),
                 {},
                 false,
                 false},
    ActionLayout{WaveformAction::ExportNetlist,
                 "actionExportNetlist",
                 QT_TRANSLATE_NOOP("Form2", "Esporta &netlist SPICE..."),
                 {},
                 false,
                 false},
    ActionLayout{WaveformAction::CopyImage,
                 "actionCopyImage",
                 QT_TRANSLATE_NOOP("Form2", "&Copia immagine"),
                 {"Ctrl+C"},
                 true,
                 false},
    ActionLayout{WaveformAction::CopyValues,
                 "actionCopyValues",
                 QT_TRANSLATE_NOOP("Form2", "Copia &valori"),
                 {"Ctrl+Shift+C"},
                 true,
                 false},
    ActionLayout{WaveformAction::Close,
                 "actionClose",
                 QT_TRANSLATE_NOOP("Form2", "C&hiudi"),
                 {"Ctrl+W"},
                 false,
                 false},
    ActionLayout{WaveformAction::ZoomIn,
                 "actionZoomIn",
                 QT_TRANSLATE_NOOP("Form2", "Zoom &avanti"),
                 {"Ctrl++", "Ctrl+="},
                 true,
                 false},
    ActionLayout{WaveformAction::ZoomOut,
                 "actionZoomOut",
                 QT_TRANSLATE_NOOP("Form2", "Zoom &indietro"),
                 {"Ctrl+-"},
                 true,
                 false},
    ActionLayout{WaveformAction::ZoomReset,
                 "actionZoomReset",
                 QT_TRANSLATE_NOOP("Form2", "&Vista intera"),
                 {"Ctrl+0"},
                 true,
                 false},
    ActionLayout{WaveformAction::PanLeft,
                 "actionPanLeft",
                 QT_TRANSLATE_NOOP("Form2", "Scorri a &sinistra"),
                 {"Ctrl+Left"},
                 true,
                 false},
    ActionLayout{WaveformAction::PanRight,
                 "actionPanRight",
                 QT_TRANSLATE_NOOP("Form2", "Scorri a &destra"),
                 {"Ctrl+Right"},
                 true,
                 false},
    ActionLayout{WaveformAction::FitBands,
                 "actionFitBands",
                 QT_TRANSLATE_NOOP("Form2", "Adatta le &bande"),
                 {"B"},
                 true,
                 true},
    ActionLayout{WaveformAction::Measure,
                 "actionMeasure",
                 QT_TRANSLATE_NOOP("Form2", "&Cursori di misura"),
                 {"M"},
                 true,
                 true},
    ActionLayout{WaveformAction::Analysis,
                 "actionAnalysis",
                 QT_TRANSLATE_NOOP("Form2", "&Analisi..."),
                 {},
                 false,
                 false},
    ActionLayout{WaveformAction::Tolerances,
                 "actionTolerances",
                 QT_TRANSLATE_NOOP("Form2", "&Tolleranze..."),
                 {},
                 false,
                 false},
    ActionLayout{WaveformAction::FrequencyResponse,
                 "actionFrequencyResponse",
                 QT_TRANSLATE_NOOP("Form2", "Risposta in &frequenza..."),
                 {},
                 false,
                 false},
};

// The commands of each menu, in order; a separator between the groups.
const std::initializer_list<std::initializer_list<WaveformAction>> fileMenu{
    {WaveformAction::SaveImage, WaveformAction::ExportCsv},
    {WaveformAction::SaveReport, WaveformAction::ExportNetlist},
    {WaveformAction::CopyImage, WaveformAction::CopyValues},
    {WaveformAction::Close}};
const std::initializer_list<std::initializer_list<WaveformAction>> viewMenu{
    {WaveformAction::ZoomIn, WaveformAction::ZoomOut, WaveformAction::ZoomReset},
    {WaveformAction::PanLeft, WaveformAction::PanRight},
    {WaveformAction::FitBands, WaveformAction::Measure}};
const std::initializer_list<std::initializer_list<WaveformAction>> toolsMenu{
    {WaveformAction::Analysis, WaveformAction::Tolerances, WaveformAction::FrequencyResponse}};

// For assistive technologies, a trace's button tells its caption and what the trace is, in the
// language in use.
QString TraceOptionName(Trace trace) {
    return FromText(CaptionOf(trace)) + QStringLiteral(", ") +
           TranslatedText(Text(RowOf(trace).description));
}

// The button of a trace: its caption "iL(t)" in the trace's colour.
QRadioButton* AddTraceOption(QWidget& parent, const OptionLayout& layout) {
    const std::string caption = Utf8(CaptionOf(layout.trace));
    ControlLayout control = layout.control;
    control.text = caption.c_str();
    QRadioButton* option =
        AddOptionButton(parent, control, QtColor(RowOf(layout.trace).band.colour).rgb());
    option->setAccessibleName(TraceOptionName(layout.trace));
    return option;
}

constexpr auto titleText = QT_TRANSLATE_NOOP("Form2", "Forme d'onda reali");
// The menus' titles, in the order of the menu bar.
constexpr std::array menuTitles{QT_TRANSLATE_NOOP("Form2", "&File"),
                                QT_TRANSLATE_NOOP("Form2", "&Visualizza"),
                                QT_TRANSLATE_NOOP("Form2", "&Strumenti")};

} // namespace

WaveformWindow::WaveformWindow() {
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(AlarmClockIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setPalette(LightFace());
    clientArea_ = new QWidget(this);
    clientArea_->setObjectName(QStringLiteral("Form2ClientArea"));
    createControls();
    createActions();
    // The menu bar sits above the client area, which keeps its size and every control its place.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QMenuBar* menuBar = createMenuBar();
    layout->setMenuBar(menuBar);
    layout->addWidget(clientArea_);
    const QSize client = TwipsSize(WaveformWindowWidth, WaveformWindowHeight, *this);
    resize(client.width(), client.height() + menuBar->sizeHint().height());
    setFocusOrder();
    translateTexts();
}

QAction& WaveformWindow::action(WaveformAction which) const {
    return *actions_[static_cast<std::size_t>(which)];
}

void WaveformWindow::setRunActionsEnabled(bool enabled) {
    for (const ActionLayout& layout : actionLayouts) {
        if (layout.needsRun) {
            action(layout.which).setEnabled(enabled);
        }
    }
}

// Each command is one action of the window, shared by the menu bar and the plot's context
// menu; those that need a plotted run start disabled. Esc turns the measuring cursors off and
// never closes the window.
void WaveformWindow::createActions() {
    for (const ActionLayout& layout : actionLayouts) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromUtf8(layout.name));
        QList<QKeySequence> shortcuts;
        for (const char* shortcut : layout.shortcuts) {
            shortcuts << QKeySequence(QString::fromUtf8(shortcut));
        }
        action->setShortcuts(shortcuts);
        action->setCheckable(layout.toggle);
        action->setEnabled(!layout.needsRun);
        actions_[static_cast<std::size_t>(layout.which)] = action;
    }
    // The analysis, the frequency response and the report need no traces, only a run whose
    // inputs passed the checks: the host turns them on when such a run resets the plot.
    for (WaveformAction which : CheckedRunActions) {
        action(which).setEnabled(false);
    }
    connect(&action(WaveformAction::Close), &QAction::triggered, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this,
            [this] { action(WaveformAction::Measure).setChecked(false); });
    plot_->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto* menu : {&fileMenu, &viewMenu, &toolsMenu}) {
        for (const auto& group : *menu) {
            for (WaveformAction which : group) {
                plot_->addAction(&action(which));
            }
            auto* separator = new QAction(this);
            separator->setSeparator(true);
            plot_->addAction(separator);
        }
    }
}

QMenuBar* WaveformWindow::createMenuBar() {
    auto* menuBar = new QMenuBar(this);
    std::size_t k = 0;
    const auto addMenu = [&](const auto& groups) {
        QMenu* menu = menuBar->addMenu(QString());
        menus_[k++] = menu;
        for (const auto& group : groups) {
            if (!menu->isEmpty()) {
                menu->addSeparator();
            }
            for (WaveformAction which : group) {
                menu->addAction(&action(which));
            }
        }
    };
    addMenu(fileMenu);
    addMenu(viewMenu);
    addMenu(toolsMenu);
    AddLanguageMenu(*menuBar);
    return menuBar;
}

// The title, the menus and every text of the layout in the language in use; the value boxes
// keep what they hold.
void WaveformWindow::translateTexts() {
    setWindowTitle(Translated("Form2", titleText));
    for (std::size_t k = 0; k < menus_.size(); ++k) {
        menus_[k]->setTitle(Translated("Form2", menuTitles[k]));
    }
    for (const ActionLayout& layout : actionLayouts) {
        action(layout.which).setText(Translated("Form2", layout.text));
    }
    TranslateAccessibleName(*plot_, plotPicture);
    TranslateAccessibleName(*clientArea_->findChild<QWidget*>(QStringLiteral("Picture2")),
                            emptyPicture);
    for (const ControlLayout& layout : labels) {
        TranslateLabel(*clientArea_->findChild<QLabel*>(QString::fromUtf8(layout.name)), layout);
    }
    for (std::size_t k = 0; k < valueBoxes.size(); ++k) {
        TranslateAccessibleName(*values_[k], valueBoxes[k]);
    }
    for (const OptionLayout& layout : options) {
        options_[BandIndex(layout.trace)]->setAccessibleName(TraceOptionName(layout.trace));
    }
}

void WaveformWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
    }
    QWidget::changeEvent(event);
}

void WaveformWindow::createControls() {
    plot_ = new PlotBox(clientArea_);
    PlaceControl(*plot_, plotPicture);
    // Picture2 never holds a picture (clearing the plot box gives the same bare background) and
    // the user has nothing to do with it: it stays hidden and takes no focus.
    auto* picture2 = new PictureBox(clientArea_);
    PlaceControl(*picture2, emptyPicture);
    picture2->setFocusPolicy(Qt::NoFocus);
    picture2->hide();
    for (const ControlLayout& layout : labels) {
        AddLabel(*clientArea_, layout);
    }
    std::size_t k = 0;
    for (const ControlLayout& layout : valueBoxes) {
        values_[k++] = AddBorderedBox(*clientArea_, layout);
    }
    for (const OptionLayout& layout : options) {
        QRadioButton* option = AddTraceOption(*clientArea_, layout);
        const Trace trace = layout.trace;
        connect(option, &QRadioButton::clicked, this, [this, trace] { emit traceChosen(trace); });
        options_[BandIndex(trace)] = option;
    }
}

// The plot holds the focus when the window opens; the keyboard then walks the trace buttons.
void WaveformWindow::setFocusOrder() {
    setTabOrder(plot_, options_[0]);
    for (std::size_t k = 1; k < options_.size(); ++k) {
        setTabOrder(options_[k - 1], options_[k]);
    }
    plot_->setFocus();
}

void WaveformWindow::setCaption(SummaryLabel label, const QString& caption) {
    ShowValue(*values_[static_cast<std::size_t>(label)], caption);
}

std::optional<Trace> WaveformWindow::selection() const {
    for (const TraceRow& row : TraceTable()) {
        if (options_[BandIndex(row.trace)]->isChecked()) {
            return row.trace;
        }
    }
    return std::nullopt;
}

void WaveformWindow::select(Trace trace) {
    options_[BandIndex(trace)]->setChecked(true);
}

void WaveformWindow::setPlotToolTip(const QString& text) {
    plot_->setToolTip(text);
}

void WaveformWindow::showPlotToolTip(QPoint globalPosition) {
    if (!plot_->toolTip().isEmpty()) {
        QToolTip::showText(globalPosition, plot_->toolTip(), plot_);
    }
}

void WaveformWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
