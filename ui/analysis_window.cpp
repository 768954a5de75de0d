// The analysis window: the table of the run's analysis, its mode line and warnings.
#include "ui/analysis_window.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "display/analysis_wording.h"
#include "figure/qt_text.h"
#include "ui/controls.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QKeySequence CopyKeys(Qt::CTRL | Qt::Key_C);

const std::array columnTitles{
    "Grandezza",           "Simulata", "Esatta a NI", "Esatta senza blocco", "Esatta a regime",
    "Formula di progetto", "Scarto %"};

// One line of the table; a value that does not exist leaves its cell empty.
struct Row {
    const char* quantity;
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
    const auto row = [&](const char* quantity, double PeriodValues::*value,
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
    return {row("iL min [A]", &P::iLMin, &Q::iLMin),
            row("iL max [A]", &P::iLMax, &Q::iLMax),
            row("Delta iL [A]", &P::DeltaiL, &Q::DeltaiL),
            row("Delta Vo [mV]", &P::DeltaVoMilli, &Q::DeltaVo),
            row("Vo media [V]", &P::meanVo, &Q::meanVo),
            row("Id media [A]", &P::meanDiodeCurrent, &Q::meanDiodeCurrent),
            row("Ii media [A]", &P::meanInputCurrent, &Q::meanInputCurrent)};
}

// The stresses; the exact period gives those that are one of its values: the peak current of
// every semiconductor is the inductor's at switch-off, their means are the input and diode
// means, and the open switch and the blocking diode stand Vi + the largest |vo|.
std::vector<Row> StressRows(const RunAnalysis& run, bool simulated) {
    const ConverterAnalysis& a = run.analysis;
    const double vi = run.circuit.Vi;
    const auto row = [&](const char* quantity, double PartStresses::*stress,
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
    return {row("Induttore: picco [A]", &S::inductorPeak, peak),
            row("Induttore: media [A]", &S::inductorMean, nullptr),
            row("Induttore: RMS [A]", &S::inductorRms, nullptr),
            row("Interruttore: picco [A]", &S::switchPeak, peak),
            row("Interruttore: media [A]", &S::switchMean, inputMean),
            row("Interruttore: RMS [A]", &S::switchRms, nullptr),
            row("Diodo: picco [A]", &S::diodePeak, peak),
            row("Diodo: media [A]", &S::diodeMean, diodeMean),
            row("Diodo: RMS [A]", &S::diodeRms, nullptr),
            row("Condensatore: picco [A]", &S::capacitorPeak, nullptr),
            row("Condensatore: RMS [A]", &S::capacitorRms, nullptr),
            row("Tensione su interruttore e diodo [V]", &S::voltageStress, blocked)};
}

// A value beyond what the number style can write leaves its cell empty.
QString Cell(std::optional<double> value, char16_t decimalSeparator) {
    if (!value) {
        return {};
    }
    try {
        return FromText(Format(*value, "0.00E+00", decimalSeparator));
    } catch (const RuntimeError&) {
        return {};
    }
}

QString ModeLine(const ConverterAnalysis& a, char16_t decimalSeparator) {
    QString line = a.discontinuous ? QStringLiteral("Conduzione discontinua (DCM)")
                                   : QStringLiteral("Conduzione continua (CCM)");
    line += QStringLiteral("; induttanza critica ") +
            Cell(a.boundary.criticalL * 1e6, decimalSeparator) + QStringLiteral(" \u00b5H");
    if (a.rhpZeroHz) {
        line += QStringLiteral("; zero nel semipiano destro ") +
                Cell(*a.rhpZeroHz, decimalSeparator) + QStringLiteral(" Hz");
    }
    return line;
}

QStringList Warnings(const RunAnalysis& run, char16_t decimalSeparator) {
    QStringList warnings;
    if (!run.missingSimulation.isEmpty()) {
        warnings << run.missingSimulation;
    }
    for (const Text& warning :
         AnalysisWarnings(run.analysis, run.missingSimulation.isEmpty(), decimalSeparator)) {
        warnings << FromText(warning);
    }
    return warnings;
}

QStringList ColumnTitles() {
    QStringList titles;
    for (const char* title : columnTitles) {
        titles << QString::fromUtf8(title);
    }
    return titles;
}

} // namespace

AnalysisTable TabulateAnalysis(const RunAnalysis& run, char16_t decimalSeparator) {
    const bool simulated = run.missingSimulation.isEmpty();
    std::vector<Row> rows = PeriodRows(run, simulated);
    for (const Row& stress : StressRows(run, simulated)) {
        rows.push_back(stress);
    }
    AnalysisTable table{ColumnTitles(),
                        {},
                        ModeLine(run.analysis, decimalSeparator),
                        Warnings(run, decimalSeparator)};
    for (const Row& row : rows) {
        table.rows.push_back(
            {QString::fromUtf8(row.quantity), Cell(row.simulated, decimalSeparator),
             Cell(row.exactAtNI, decimalSeparator), Cell(row.exactUnblockedAtNI, decimalSeparator),
             Cell(row.exactSteady, decimalSeparator), Cell(row.design, decimalSeparator),
             Cell(row.deviation, decimalSeparator)});
    }
    return table;
}

std::vector<std::pair<QString, QString>> CircuitValues(const ConverterCircuit& circuit,
                                                       char16_t decimalSeparator) {
    const auto entry = [&](const char* name, double value) {
        return std::pair(QString::fromUtf8(name), Cell(value, decimalSeparator));
    };
    return {entry("Vi [V]", circuit.Vi),           entry("f [kHz]", circuit.f / 1000),
            entry("D [%]", circuit.D * 100),       entry("L [\u00b5H]", circuit.L * 1e6),
            entry("C [\u00b5F]", circuit.C * 1e6), entry("RL [\u03a9]", circuit.RL)};
}

AnalysisWindow::AnalysisWindow() {
    setObjectName(QStringLiteral("AnalysisWindow"));
    setWindowTitle(QStringLiteral("Analisi"));
    setAttribute(Qt::WA_DeleteOnClose);
    setPalette(LightFace());
    setFont(WindowFont(8.25, false));
    createTable();
    mode_ = new QLabel(this);
    mode_->setObjectName(QStringLiteral("ModeLabel"));
    mode_->setAccessibleName(QStringLiteral("Modo di conduzione"));
    mode_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("WarningsLabel"));
    notes_->setAccessibleName(QStringLiteral("Avvisi"));
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* copy = new QPushButton(QStringLiteral("&Copia"), this);
    copy->setObjectName(QStringLiteral("CopyButton"));
    copy->setAccessibleName(QStringLiteral("Copia la tabella e gli avvisi come testo"));
    connect(copy, &QPushButton::clicked, this, &AnalysisWindow::copyText);
    auto* report = new QPushButton(QStringLiteral("Salva &rapporto..."), this);
    report->setObjectName(QStringLiteral("SaveReportButton"));
    report->setAccessibleName(QStringLiteral("Salva il rapporto di verifica in PDF o HTML"));
    connect(report, &QPushButton::clicked, this, &AnalysisWindow::saveReportRequested);
    auto* copyKeys = new QAction(this);
    copyKeys->setShortcut(CopyKeys);
    copyKeys->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyKeys, &QAction::triggered, this, &AnalysisWindow::copyText);
    addAction(copyKeys);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(report);
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(mode_);
    layout->addWidget(notes_);
    layout->addLayout(buttons);
    resize(900, 620);
}

void AnalysisWindow::createTable() {
    table_ = new QTableWidget(0, static_cast<int>(columnTitles.size()), this);
    table_->setObjectName(QStringLiteral("AnalysisTable"));
    table_->setAccessibleName(QStringLiteral("Tabella dell'analisi"));
    table_->setHorizontalHeaderLabels(ColumnTitles());
    table_->horizontalHeader()->setFont(WindowFont(8.25));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->installEventFilter(this);
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
    const AnalysisTable analysis = TabulateAnalysis(run, decimalSeparator);
    table_->setRowCount(static_cast<int>(analysis.rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QStringList& cells = analysis.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    mode_->setText(analysis.mode);
    notes_->setText(analysis.warnings.join(u'\n'));
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
