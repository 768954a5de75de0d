// The analysis window: the table of the run's analysis, its mode line and warnings.
#include "ui/analysis_window.h"

#include "core/conversions.h"
#include "display/analysis_wording.h"
#include "display/number_text.h"
#include "figure/language.h"
#include "figure/qt_text.h"
#include "ui/chart_view.h"
#include "ui/controls.h"
#include "ui/efficiency_chart.h"
#include "ui/pictures.h"
#include "ui/real_parts_panel.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QKeySequence CopyKeys(Qt::CTRL | Qt::Key_C);

// A column of the table: its title (copied and reported), the header's two lines and what it
// holds, told as the header's tool tip.
struct Column {
    const char* title;
    const char* header;
    const char* toolTip;
};

const std::array columns{
    Column{QT_TRANSLATE_NOOP("AnalysisWindow", "Grandezza"),
           QT_TRANSLATE_NOOP("AnalysisWindow", "Grandezza"),
           QT_TRANSLATE_NOOP("AnalysisWindow",
                             "La grandezza confrontata; ogni valore porta la sua unità di misura")},
    Column{QT_TRANSLATE_NOOP("AnalysisWindow", "Simulata"),
           QT_TRANSLATE_NOOP("AnalysisWindow", "Simulata"),
           QT_TRANSLATE_NOOP("AnalysisWindow",
                             "L'ultimo periodo simulato (il periodo NI, campioni 1..N): il modello "
                             "a passo fisso, in cui il diodo non si blocca")},
    Column{QT_TRANSLATE_NOOP("AnalysisWindow", "Esatta a NI"),
           QT_TRANSLATE_NOOP("AnalysisWindow", "Esatta\na NI"),
           QT_TRANSLATE_NOOP("AnalysisWindow",
                             "La soluzione esatta del circuito ideale al periodo NI, dallo stesso "
                             "avvio da scarico: il diodo si blocca quando la corrente "
                             "nell'induttore si annulla, anche all'avvio")},
    Column{QT_TRANSLATE_NOOP("AnalysisWindow", "Esatta senza blocco"),
           QT_TRANSLATE_NOOP("AnalysisWindow", "Esatta\nsenza blocco"),
           QT_TRANSLATE_NOOP("AnalysisWindow",
                             "La soluzione esatta del modello simulato al periodo NI: le stesse "
                             "formule chiuse senza il blocco del diodo. Dalla Simulata differisce "
                             "per l'errore del passo, dall'Esatta a NI per il blocco del diodo")},
    Column{QT_TRANSLATE_NOOP("AnalysisWindow", "Esatta a regime"),
           QT_TRANSLATE_NOOP("AnalysisWindow", "Esatta\na regime"),
           QT_TRANSLATE_NOOP("AnalysisWindow",
                             "La soluzione esatta del circuito ideale nel regime periodico, a cui "
                             "tende dopo molti periodi")},
    Column{QT_TRANSLATE_NOOP("AnalysisWindow", "Formula di progetto"),
           QT_TRANSLATE_NOOP("AnalysisWindow", "Formula\ndi progetto"),
           QT_TRANSLATE_NOOP("AnalysisWindow",
                             "Le formule di progetto: della conduzione continua, o della "
                             "discontinua (DCM) quando L è sotto l'induttanza critica")},
    Column{QT_TRANSLATE_NOOP("AnalysisWindow", "Scarto %"),
           QT_TRANSLATE_NOOP("AnalysisWindow", "Scarto %"),
           QT_TRANSLATE_NOOP("AnalysisWindow",
                             "Lo scarto in per cento della Simulata dall'Esatta a NI: (Simulata - "
                             "Esatta a NI) / Esatta a NI; dove l'esatta è zero, riferito alla "
                             "corrente di picco")}};

// `italian`, one of the window's texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("AnalysisWindow", italian);
}

// What a row measures and in which unit; a value held in a submultiple is divided by `scale`
// into the unit.
struct Quantity {
    const char* name;
    const char16_t* unit;
    double scale = 1;
};

// One line of the table; a value that does not exist leaves its cell empty.
struct Row {
    Quantity quantity;
    std::optional<double> simulated;
    std::optional<double> exactAtNI;
    std::optional<double> exactUnblockedAtNI;
    std::optional<double> exactSteady;
    std::optional<double> design;
    std::optional<double> deviation;
};

std::vector<Row> PeriodRows(const RunAnalysis& run, bool simulated) {
    const ConverterAnalysis& a = run.analysis;
    const PeriodValues design = DesignPeriod(run.circuit, a.designStresses);
    const auto row = [&](Quantity quantity, double PeriodValues::*value,
                         double QuantityDeviations::*deviation) {
        return Row{quantity,
                   simulated ? std::optional(a.simulated.*value) : std::nullopt,
                   a.exactAtNI.values.*value,
                   a.exactUnblockedAtNI.values.*value,
                   a.exactSteady.values.*value,
                   design.*value,
                   simulated ? std::optional(a.accuracy.*deviation) : std::nullopt};
    };
    using P = PeriodValues;
    using Q = QuantityDeviations;
    return {row({QT_TRANSLATE_NOOP("AnalysisWindow", "iL min"), u"A"}, &P::iLMin, &Q::iLMin),
            row({QT_TRANSLATE_NOOP("AnalysisWindow", "iL max"), u"A"}, &P::iLMax, &Q::iLMax),
            row({QT_TRANSLATE_NOOP("AnalysisWindow", "Delta iL"), u"A"}, &P::DeltaiL, &Q::DeltaiL),
            row({QT_TRANSLATE_NOOP("AnalysisWindow", "Delta Vo"), u"V", 1000}, &P::DeltaVoMilli,
                &Q::DeltaVo),
            row({QT_TRANSLATE_NOOP("AnalysisWindow", "Vo media"), u"V"}, &P::meanVo, &Q::meanVo),
            row({QT_TRANSLATE_NOOP("AnalysisWindow", "Id media"), u"A"}, &P::meanDiodeCurrent,
                &Q::meanDiodeCurrent),
            row({QT_TRANSLATE_NOOP("AnalysisWindow", "Ii media"), u"A"}, &P::meanInputCurrent,
                &Q::meanInputCurrent)};
}

// The stresses; the exact period gives those that are one of its values: the peak current of
// every semiconductor is the inductor's at switch-off, their means are the input and diode
// means, and the open switch and the blocking diode stand Vi + the largest |vo|.
std::vector<Row> StressRows(const RunAnalysis& run, bool simulated) {
    const ConverterAnalysis& a = run.analysis;
    const double vi = run.circuit.Vi;
    const auto row = [&](Quantity quantity, double PartStresses::*stress,
                         double (*exact)(const PeriodValues&, double)) {
        const auto exactOf = [&](const ExactPeriod& period) -> std::optional<double> {
            return exact ? std::optional(exact(period.values, vi)) : std::nullopt;
        };
        return Row{quantity,
                   simulated ? std::optional(a.simulatedStresses.*stress) : std::nullopt,
                   exactOf(a.exactAtNI),
                   exactOf(a.exactUnblockedAtNI),
                   exactOf(a.exactSteady),
                   a.designStresses.*stress,
                   std::nullopt};
    };
    const auto peak = [](const PeriodValues& v, double) { return v.iLMax; };
    const auto inputMean = [](const PeriodValues& v, double) { return v.meanInputCurrent; };
    const auto diodeMean = [](const PeriodValues& v, double) { return v.meanDiodeCurrent; };
    const auto blocked = [](const PeriodValues& v, double vi) { return vi + v.VoMax; };
    using S = PartStresses;
    return {
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Induttore: picco"), u"A"}, &S::inductorPeak,
            peak),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Induttore: media"), u"A"}, &S::inductorMean,
            nullptr),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Induttore: RMS"), u"A"}, &S::inductorRms,
            nullptr),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Interruttore: picco"), u"A"}, &S::switchPeak,
            peak),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Interruttore: media"), u"A"}, &S::switchMean,
            inputMean),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Interruttore: RMS"), u"A"}, &S::switchRms,
            nullptr),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Diodo: picco"), u"A"}, &S::diodePeak, peak),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Diodo: media"), u"A"}, &S::diodeMean, diodeMean),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Diodo: RMS"), u"A"}, &S::diodeRms, nullptr),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Condensatore: picco"), u"A"}, &S::capacitorPeak,
            nullptr),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Condensatore: RMS"), u"A"}, &S::capacitorRms,
            nullptr),
        row({QT_TRANSLATE_NOOP("AnalysisWindow", "Tensione su interruttore e diodo"), u"V"},
            &S::voltageStress, blocked)};
}

// A value in its unit with five significant digits and the SI prefix that suits it.
QString ValueCell(std::optional<double> value, const Quantity& quantity,
                  char16_t decimalSeparator) {
    return value
               ? FromText(EngineeringText(*value / quantity.scale, quantity.unit, decimalSeparator))
               : QString();
}

QString PercentCell(std::optional<double> percent, char16_t decimalSeparator) {
    return percent ? FromText(PercentText(*percent, decimalSeparator)) : QString();
}

QString ModeLine(const ConverterAnalysis& a, char16_t decimalSeparator) {
    const QString mode = Translate(
        a.discontinuous ? QT_TRANSLATE_NOOP("AnalysisWindow", "Conduzione discontinua (DCM)")
                        : QT_TRANSLATE_NOOP("AnalysisWindow", "Conduzione continua (CCM)"));
    QString line =
        Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "%1; induttanza critica %2"))
            .arg(mode, FromText(EngineeringText(a.boundary.criticalL, u"H", decimalSeparator)));
    if (a.rhpZeroHz) {
        line = Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "%1; zero nel semipiano destro %2"))
                   .arg(line, FromText(EngineeringText(*a.rhpZeroHz, u"Hz", decimalSeparator)));
    }
    return line;
}

QStringList Warnings(const RunAnalysis& run, char16_t decimalSeparator) {
    QStringList warnings;
    const bool simulated = run.end == VerificationEnd::Drawn;
    if (!simulated) {
        warnings << FromText(MissingSimulationText(run.end));
    }
    for (const Text& warning : AnalysisWarnings(run.analysis, simulated, decimalSeparator)) {
        warnings << FromText(warning);
    }
    return warnings;
}

QStringList ColumnTitles() {
    QStringList titles;
    for (const Column& column : columns) {
        titles << Translate(column.title);
    }
    return titles;
}

// What a screen reader says of a cell: its row, its column and the value, or that it has none.
QString CellDescription(const QStringList& row, int column) {
    const QString value = row[column].isEmpty()
                              ? Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "nessun valore"))
                              : row[column];
    return row[0] + QStringLiteral(", ") +
           Translate(columns[static_cast<std::size_t>(column)].title) + QStringLiteral(": ") +
           value;
}

// The width the quantity column needs, and the width of the widest number column.
std::pair<int, int> ContentWidths(const QTableWidget& table) {
    const QAbstractItemView& view = table; // where the column's size hint is public
    const auto needed = [&](int column) {
        return std::max(view.sizeHintForColumn(column),
                        table.horizontalHeader()->sectionSizeHint(column));
    };
    int numberWidth = 0;
    for (int c = 1; c < table.columnCount(); ++c) {
        numberWidth = std::max(numberWidth, needed(c));
    }
    return {needed(0), numberWidth};
}

// The number columns are as wide as the widest of them needs, and share evenly whatever the
// table has beyond its contents.
void FitColumns(QTableWidget& table) {
    const auto [quantityWidth, numberWidth] = ContentWidths(table);
    const int numbers = table.columnCount() - 1;
    const int spare =
        std::max(0, table.viewport()->width() - quantityWidth - numbers * numberWidth);
    QHeaderView& header = *table.horizontalHeader();
    header.resizeSection(0, quantityWidth);
    for (int c = 1; c <= numbers; ++c) {
        header.resizeSection(c, numberWidth + spare * c / numbers - spare * (c - 1) / numbers);
    }
}

// A table that asks for room for all its rows and every column's contents, so that the window
// opens showing it whole, and whose columns fill its width.
class FittedTable : public QTableWidget {
public:
    FittedTable(int columns, QWidget* parent) : QTableWidget(0, columns, parent) {}

    QSize sizeHint() const override {
        const auto [quantityWidth, numberWidth] = ContentWidths(*this);
        const int frame = 2 * frameWidth();
        return {quantityWidth + (columnCount() - 1) * numberWidth + frame,
                horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame};
    }

protected:
    // Told when the viewport has its new size.
    void resizeEvent(QResizeEvent* event) override {
        QTableWidget::resizeEvent(event);
        FitColumns(*this);
    }
};

} // namespace

AnalysisTable TabulateAnalysis(const RunAnalysis& run, char16_t decimalSeparator) {
    const bool simulated = run.end == VerificationEnd::Drawn;
    std::vector<Row> rows = PeriodRows(run, simulated);
    for (const Row& stress : StressRows(run, simulated)) {
        rows.push_back(stress);
    }
    AnalysisTable table{ColumnTitles(),
                        {},
                        ModeLine(run.analysis, decimalSeparator),
                        Warnings(run, decimalSeparator)};
    for (const Row& row : rows) {
        const auto value = [&](std::optional<double> v) {
            return ValueCell(v, row.quantity, decimalSeparator);
        };
        table.rows.push_back({Translate(row.quantity.name), value(row.simulated),
                              value(row.exactAtNI), value(row.exactUnblockedAtNI),
                              value(row.exactSteady), value(row.design),
                              PercentCell(row.deviation, decimalSeparator)});
    }
    return table;
}

AnalysisWindow::AnalysisWindow(SaveFileChooser& files, MessageBox& messages,
                               char16_t decimalSeparator) {
    setObjectName(QStringLiteral("AnalysisWindow"));
    setWindowIcon(AlarmClockIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setPalette(LightFace());
    setFont(WindowFont(8.25, false));
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("AnalysisPages"));
    pages_->addTab(createAnalysisPage(), QString());
    pages_->addTab(createRealPartsPage(files, messages, decimalSeparator), QString());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    addShortcut(CopyKeys, [this] { copyText(); });
    addShortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });
    translateTexts();
}

// The title, the pages, the buttons, the headers and what a screen reader hears, in the
// language in use; the table's words follow, its values stay as they are.
void AnalysisWindow::translateTexts() {
    setWindowTitle(Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "Analisi")));
    pages_->setTabText(0, Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "&Analisi")));
    pages_->setTabText(1, Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "Co&mponenti reali")));
    table_->setAccessibleName(
        Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "Tabella dell'analisi")));
    for (int c = 0; c < table_->columnCount(); ++c) {
        const Column& column = columns[static_cast<std::size_t>(c)];
        QTableWidgetItem& header = *table_->horizontalHeaderItem(c);
        header.setText(Translate(column.header));
        header.setToolTip(Translate(column.toolTip));
    }
    mode_->setAccessibleName(Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "Modo di conduzione")));
    notes_->setAccessibleName(Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "Avvisi")));
    copy_->setText(Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "&Copia")));
    copy_->setAccessibleName(
        Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "Copia la tabella e gli avvisi come testo")));
    report_->setText(Translate(QT_TRANSLATE_NOOP("AnalysisWindow", "Salva &rapporto...")));
    report_->setAccessibleName(Translate(
        QT_TRANSLATE_NOOP("AnalysisWindow", "Salva il rapporto di verifica in PDF o HTML")));
    if (run_) {
        fillTable(*run_);
        showEfficiency();
    }
}

void AnalysisWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
    }
    QWidget::changeEvent(event);
}

QWidget* AnalysisWindow::createAnalysisPage() {
    auto* page = new QWidget(this);
    createTable();
    table_->setParent(page);
    mode_ = new QLabel(page);
    mode_->setObjectName(QStringLiteral("ModeLabel"));
    mode_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notes_ = new QLabel(page);
    notes_->setObjectName(QStringLiteral("WarningsLabel"));
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    copy_ = new QPushButton(page);
    copy_->setObjectName(QStringLiteral("CopyButton"));
    connect(copy_, &QPushButton::clicked, this, &AnalysisWindow::copyText);
    report_ = new QPushButton(page);
    report_->setObjectName(QStringLiteral("SaveReportButton"));
    connect(report_, &QPushButton::clicked, this, &AnalysisWindow::saveReportRequested);

    // Tab goes from the table to the buttons in the order they stand.
    setTabOrder(table_, report_);
    setTabOrder(report_, copy_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(report_);
    buttons->addWidget(copy_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(table_, 1);
    layout->addWidget(mode_);
    layout->addWidget(notes_);
    layout->addLayout(buttons);
    return page;
}

// The parts beside the chart of the efficiency and the losses against the load; both follow
// every change of a part.
QWidget* AnalysisWindow::createRealPartsPage(SaveFileChooser& files, MessageBox& messages,
                                             char16_t decimalSeparator) {
    auto* page = new QWidget(this);
    parts_ = new RealPartsPanel(decimalSeparator, page);
    efficiency_ = new ChartView(files, messages, decimalSeparator, page);
    efficiency_->setObjectName(QStringLiteral("EfficiencyChart"));
    connect(parts_, &RealPartsPanel::partsChanged, this, [this] { showEfficiency(); });
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(parts_);
    layout->addWidget(efficiency_, 1);
    return page;
}

void AnalysisWindow::showEfficiency() {
    if (run_) {
        ShowEfficiencyChart(*efficiency_, run_->run.circuit, parts_->parts());
    }
}

// The table's rows are as high as a line of its text.
void AnalysisWindow::createTable() {
    table_ = new FittedTable(static_cast<int>(columns.size()), this);
    table_->setObjectName(QStringLiteral("AnalysisTable"));
    for (int c = 0; c < table_->columnCount(); ++c) {
        table_->setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    table_->horizontalHeader()->setFont(WindowFont(8.25));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    // Tab leaves the table; the arrows move among its cells.
    table_->setTabKeyNavigation(false);
    table_->installEventFilter(this);
}

void AnalysisWindow::addShortcut(const QKeySequence& keys, const std::function<void()>& command) {
    auto* action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, command);
    addAction(action);
}

// The table would copy only its current cell: Ctrl+C there copies everything, as elsewhere in
// the window.
bool AnalysisWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == CopyKeys) {
        copyText();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AnalysisWindow::showAnalysis(const RunAnalysis& run, char16_t decimalSeparator) {
    run_ = {run, decimalSeparator};
    parts_->setCircuit(run.circuit);
    showEfficiency();
    fillTable(*run_);
    table_->updateGeometry();
    // The window opens showing the whole table and the lines under it, and grows to keep
    // showing them, within the screen.
    const QSize wanted = isVisible() ? size().expandedTo(sizeHint()) : sizeHint();
    resize(wanted.boundedTo(screen()->availableGeometry().size()));
}

// The table, the mode line and the warnings of the run, in the language in use.
void AnalysisWindow::fillTable(const ShownRun& shown) {
    const AnalysisTable analysis = TabulateAnalysis(shown.run, shown.decimalSeparator);
    table_->setRowCount(static_cast<int>(analysis.rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QStringList& cells = analysis.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::AccessibleTextRole, CellDescription(cells, c));
            if (c > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(r, c, item);
        }
    }
    FitColumns(*table_);
    ShowValue(*mode_, analysis.mode);
    ShowValue(*notes_, analysis.warnings.join(u'\n'));
    notes_->setVisible(!analysis.warnings.isEmpty());
}

QString AnalysisWindow::text() const {
    QStringList lines;
    lines << ColumnTitles().join(u'\t');
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c) {
            cells << table_->item(r, c)->text();
        }
        lines << cells.join(u'\t');
    }
    lines << QString() << mode_->text();
    if (!notes_->text().isEmpty()) {
        lines << notes_->text();
    }
    return lines.join(u'\n') + u'\n';
}

void AnalysisWindow::copyText() const {
    QGuiApplication::clipboard()->setText(text());
}
