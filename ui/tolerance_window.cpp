// The tolerance window: worst case and Monte Carlo over the parts' tolerances, with yield.
#include "ui/tolerance_window.h"

#include "display/number_text.h"
#include "figure/language.h"
#include "figure/qt_text.h"
#include "figure/window_look.h"
#include "ui/chart_view.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/tolerance_histogram.h"
#include "ui/window_texts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace {

// A sentence of the window, `italian` in the language in use.
QString Translate(const char* italian) {
    return Translated("ToleranceWindow", italian);
}

// The toleranced values as the window names them, in the order of TolerancedValue, with the
// default tolerance in per cent (none for the real parts, which vary only when asked).
struct ValueLook {
    const char* name;
    const char* accessibleName;
    const char* defaultPercent;
};
const std::array<ValueLook, TolerancedValueCount> ValueLooks{{
    {"Vi", QT_TRANSLATE_NOOP("ToleranceWindow", "tolleranza della tensione di ingresso, percento"),
     "5"},
    {"f",
     QT_TRANSLATE_NOOP("ToleranceWindow", "tolleranza della frequenza di commutazione, percento"),
     "2"},
    {"L", QT_TRANSLATE_NOOP("ToleranceWindow", "tolleranza dell'induttanza, percento"), "20"},
    {"C", QT_TRANSLATE_NOOP("ToleranceWindow", "tolleranza della capacità, percento"), "20"},
    {"RL", QT_TRANSLATE_NOOP("ToleranceWindow", "tolleranza della resistenza di carico, percento"),
     "10"},
    {"rDS",
     QT_TRANSLATE_NOOP("ToleranceWindow",
                       "tolleranza della resistenza dell'interruttore, percento"),
     ""},
    {"DCR",
     QT_TRANSLATE_NOOP("ToleranceWindow", "tolleranza della resistenza dell'induttore, percento"),
     ""},
    {"ESR",
     QT_TRANSLATE_NOOP("ToleranceWindow",
                       "tolleranza della resistenza serie del condensatore, percento"),
     ""},
    {"Vf",
     QT_TRANSLATE_NOOP("ToleranceWindow",
                       "tolleranza della tensione di soglia del diodo, percento"),
     ""},
    {"rD", QT_TRANSLATE_NOOP("ToleranceWindow", "tolleranza della resistenza del diodo, percento"),
     ""},
}};

// The limits, in the order of ToleranceLimit.
struct LimitLook {
    const char* label;
    const char* accessibleName;
};
const std::array<LimitLook, ToleranceLimitCount> LimitLooks{{
    {QT_TRANSLATE_NOOP("ToleranceWindow", "ΔiL max [A]"),
     QT_TRANSLATE_NOOP("ToleranceWindow",
                       "limite dell'ondulazione della corrente nell'induttore, ampere")},
    {QT_TRANSLATE_NOOP("ToleranceWindow", "ΔVo max [mV]"),
     QT_TRANSLATE_NOOP("ToleranceWindow",
                       "limite dell'ondulazione della tensione di uscita, millivolt")},
    {QT_TRANSLATE_NOOP("ToleranceWindow", "Banda |Vo| [%]"),
     QT_TRANSLATE_NOOP("ToleranceWindow", "banda ammessa attorno a Vo, percento")},
    {QT_TRANSLATE_NOOP("ToleranceWindow", "IDP max [A]"),
     QT_TRANSLATE_NOOP("ToleranceWindow", "limite della corrente di picco, ampere")},
    {QT_TRANSLATE_NOOP("ToleranceWindow", "Rendimento min [%]"),
     QT_TRANSLATE_NOOP("ToleranceWindow", "rendimento minimo, percento")},
}};

constexpr std::array Quantities{ToleranceQuantity::VoMean, ToleranceQuantity::DeltaiL,
                                ToleranceQuantity::DeltaVo, ToleranceQuantity::PeakCurrent,
                                ToleranceQuantity::Efficiency};

constexpr const char* TableTitleTexts[]{QT_TRANSLATE_NOOP("ToleranceWindow", "Grandezza"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Minimo"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Angolo del minimo"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Massimo"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Angolo del massimo"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Media"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Deviazione standard"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Quantile 0,1 %"),
                                        QT_TRANSLATE_NOOP("ToleranceWindow", "Quantile 99,9 %")};

QStringList TableTitles() {
    QStringList titles;
    for (const char* title : TableTitleTexts) {
        titles << Translate(title);
    }
    return titles;
}

// The sample distributions of the choice, in the order of its items.
constexpr const char* DistributionItems[]{
    QT_TRANSLATE_NOOP("ToleranceWindow", "Uniforme"),
    QT_TRANSLATE_NOOP("ToleranceWindow", "Normale (3σ = tolleranza)")};

// The words of the window's controls; the values, the limits' labels and the results are shown
// apart.
constexpr WindowText Texts[]{
    {"", TextPlace::WindowTitle, QT_TRANSLATE_NOOP("ToleranceWindow", "Tolleranze")},
    {"TolerancesGroup", TextPlace::Text, QT_TRANSLATE_NOOP("ToleranceWindow", "Tolleranze [%]")},
    {"LimitsGroup", TextPlace::Text,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Limiti (vuoto: non controllato)")},
    {"AnalysisGroup", TextPlace::Text, QT_TRANSLATE_NOOP("ToleranceWindow", "Analisi")},
    {"WorstCaseCheck", TextPlace::Text,
     QT_TRANSLATE_NOOP("ToleranceWindow", "&Caso peggiore (tutti gli angoli)")},
    {"SamplesField", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "numero di campioni Monte Carlo")},
    {"SamplesField", TextPlace::BuddyLabel,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Campioni &Monte Carlo")},
    {"DistributionBox", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Distribuzione dei campioni")},
    {"DistributionBox", TextPlace::BuddyLabel,
     QT_TRANSLATE_NOOP("ToleranceWindow", "&Distribuzione")},
    {"SeedField", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "seme del generatore")},
    {"SeedField", TextPlace::BuddyLabel, QT_TRANSLATE_NOOP("ToleranceWindow", "S&eme")},
    {"RunButton", TextPlace::Text, QT_TRANSLATE_NOOP("ToleranceWindow", "Ca&lcola")},
    {"RunButton", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Calcola caso peggiore e Monte Carlo")},
    {"CancelButton", TextPlace::Text, QT_TRANSLATE_NOOP("ToleranceWindow", "A&nnulla")},
    {"ToleranceProgress", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Avanzamento dell'analisi")},
    {"StatusLabel", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Stato dell'analisi")},
    {"ToleranceTable", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Caso peggiore e statistiche")},
    {"YieldLabel", TextPlace::AccessibleName, QT_TRANSLATE_NOOP("ToleranceWindow", "Resa")},
    {"HistogramQuantity", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("ToleranceWindow", "Grandezza dell'istogramma")},
    {"HistogramQuantity", TextPlace::BuddyLabel,
     QT_TRANSLATE_NOOP("ToleranceWindow", "&Istogramma di")},
};

// A number typed with a decimal point; empty is none; other texts are refused.
struct Typed {
    std::optional<double> value;
    bool refused = false;
};
Typed ReadTyped(const QLineEdit& field) {
    const QString text = field.text().trimmed();
    if (text.isEmpty()) {
        return {};
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return {std::nullopt, true};
    }
    return {value, false};
}

QLineEdit* Field(const QString& name, const char* text, QWidget* parent) {
    auto* field = new QLineEdit(QString::fromUtf8(text), parent);
    field->setObjectName(name);
    return field;
}

// A quantity's value as the table shows it.
QString ValueText(double value, ToleranceQuantity quantity, char16_t separator) {
    const QuantityLook& look = LookOf(quantity);
    if (quantity == ToleranceQuantity::Efficiency) {
        return FromText(PercentText(value * 100, separator));
    }
    return FromText(EngineeringText(
        value, quantity == ToleranceQuantity::DeltaVo ? u"V" : look.unit, separator));
}

// "5 (Vi+ f- L+ C- RL-)": the corner and the side of each varied value.
QString CornerText(std::int64_t corner, const std::vector<TolerancedValue>& varied) {
    QStringList sides;
    for (std::size_t b = 0; b < varied.size(); ++b) {
        sides << QString::fromUtf8(ValueLooks[static_cast<std::size_t>(varied[b])].name) +
                     ((corner >> b) & 1 ? u'+' : u'−');
    }
    return QStringLiteral("%1 (%2)").arg(corner).arg(sides.join(u' '));
}

QStringList QuantityRow(const ToleranceSummary& summary, const std::vector<TolerancedValue>& varied,
                        ToleranceQuantity quantity, char16_t separator) {
    const std::size_t q = static_cast<std::size_t>(quantity);
    QStringList row{ShownQuantityName(quantity)};
    const auto value = [&](double v) { return ValueText(v, quantity, separator); };
    const std::optional<QuantityExtremes>& extremes =
        summary.worstCase ? summary.worstCase->extremes[q] : std::nullopt;
    if (extremes) {
        row << value(extremes->min) << CornerText(extremes->minCorner, varied)
            << value(extremes->max) << CornerText(extremes->maxCorner, varied);
    } else {
        row << QString() << QString() << QString() << QString();
    }
    const std::optional<QuantityStatistics>& statistics =
        summary.monteCarlo ? summary.monteCarlo->statistics[q] : std::nullopt;
    if (statistics) {
        row << value(statistics->mean) << value(statistics->standardDeviation)
            << value(statistics->low) << value(statistics->high);
    } else {
        row << QString() << QString() << QString() << QString();
    }
    return row;
}

QStringList YieldLines(const ToleranceSummary& summary, char16_t separator) {
    QStringList lines;
    if (summary.worstCase) {
        lines << Translate(
                     QT_TRANSLATE_NOOP("ToleranceWindow",
                                       "Caso peggiore: %1 angoli su %2 fuori da qualche limite"))
                     .arg(summary.worstCase->failing)
                     .arg(summary.worstCase->corners);
    }
    if (summary.monteCarlo) {
        const MonteCarloSummary& mc = *summary.monteCarlo;
        lines << Translate(QT_TRANSLATE_NOOP("ToleranceWindow",
                                             "Resa: %1 dei %2 campioni entro ogni limite"))
                     .arg(FromText(PercentText(mc.yield * 100, separator)))
                     .arg(mc.samples);
        for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
            if (mc.failureShare[l]) {
                lines << Translate(QT_TRANSLATE_NOOP("ToleranceWindow", "Fuori dal limite %1: %2"))
                             .arg(Translate(LimitLooks[l].label),
                                  FromText(PercentText(*mc.failureShare[l] * 100, separator)));
            }
        }
    }
    return lines;
}

// Tells a running analysis's progress to the window and asks whether to go on.
class ProgressPost : public SimulationObserver {
public:
    ProgressPost(QObject& window, const std::atomic<bool>& cancelled,
                 std::function<void(double)> show)
        : window_(window), cancelled_(cancelled), show_(std::move(show)) {}
    bool keepGoing(double fractionDone) override {
        QMetaObject::invokeMethod(
            &window_, [show = show_, fractionDone] { show(fractionDone); }, Qt::QueuedConnection);
        return !cancelled_;
    }

private:
    QObject& window_;
    const std::atomic<bool>& cancelled_;
    std::function<void(double)> show_;
};

} // namespace

ToleranceWindow::ToleranceWindow(SaveFileChooser& files, MessageBox& messages,
                                 char16_t decimalSeparator)
    : decimalSeparator_(decimalSeparator) {
    setObjectName(QStringLiteral("ToleranceWindow"));
    setWindowIcon(AlarmClockIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setPalette(LightFace());
    setFont(WindowFont(8.25, false));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(createInputs());
    layout->addWidget(createResults(files, messages), 1);
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
    translateTexts();
}

ToleranceWindow::~ToleranceWindow() {
    stop();
}

// The words of the controls in the language in use; the values typed stay.
void ToleranceWindow::translateTexts() {
    TranslateWindowTexts(*this, "ToleranceWindow", Texts);
    for (std::size_t v = 0; v < TolerancedValueCount; ++v) {
        tolerances_[v]->setAccessibleName(Translate(ValueLooks[v].accessibleName));
    }
    for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
        limitLabels_[l]->setText(Translate(LimitLooks[l].label));
        limits_[l]->setAccessibleName(Translate(LimitLooks[l].accessibleName));
    }
    for (std::size_t k = 0; k < std::size(DistributionItems); ++k) {
        distribution_->setItemText(static_cast<int>(k), Translate(DistributionItems[k]));
    }
    for (std::size_t k = 0; k < Quantities.size(); ++k) {
        quantity_->setItemText(static_cast<int>(k), ShownQuantityName(Quantities[k]));
    }
    table_->setHorizontalHeaderLabels(TableTitles());
}

// The words change at once; the status and the results shown are worded anew.
void ToleranceWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
        showStatus();
        if (summary_) {
            showResults();
        }
    }
    QWidget::changeEvent(event);
}

QWidget* ToleranceWindow::createInputs() {
    auto* panel = new QWidget(this);
    panel->setMaximumWidth(300);
    auto* tolerances = new QGroupBox(panel);
    tolerances->setObjectName(QStringLiteral("TolerancesGroup"));
    auto* tolerancesForm = new QFormLayout(tolerances);
    for (std::size_t v = 0; v < TolerancedValueCount; ++v) {
        const ValueLook& look = ValueLooks[v];
        tolerances_[v] = Field(QStringLiteral("Tolerance_") + QString::fromUtf8(look.name),
                               look.defaultPercent, tolerances);
        tolerancesForm->addRow(QString::fromUtf8(look.name), tolerances_[v]);
    }
    auto* limits = new QGroupBox(panel);
    limits->setObjectName(QStringLiteral("LimitsGroup"));
    auto* limitsForm = new QFormLayout(limits);
    for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
        limits_[l] = Field(QStringLiteral("Limit%1").arg(l), "", limits);
        limitLabels_[l] = AddLabelledRow(*limitsForm, *limits_[l]);
    }
    auto* method = new QGroupBox(panel);
    method->setObjectName(QStringLiteral("AnalysisGroup"));
    worstCase_ = new QCheckBox(method);
    worstCase_->setObjectName(QStringLiteral("WorstCaseCheck"));
    worstCase_->setChecked(true);
    samples_ = Field(QStringLiteral("SamplesField"), "10000", method);
    distribution_ = new QComboBox(method);
    distribution_->setObjectName(QStringLiteral("DistributionBox"));
    for (std::size_t k = 0; k < std::size(DistributionItems); ++k) {
        distribution_->addItem(QString());
    }
    seed_ = Field(QStringLiteral("SeedField"), "1", method);
    auto* methodForm = new QFormLayout(method);
    methodForm->addRow(worstCase_);
    for (QWidget* field : std::initializer_list<QWidget*>{samples_, distribution_, seed_}) {
        AddLabelledRow(*methodForm, *field);
    }

    runButton_ = new QPushButton(panel);
    runButton_->setObjectName(QStringLiteral("RunButton"));
    cancel_ = new QPushButton(panel);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    cancel_->setEnabled(false);
    progress_ = new QProgressBar(panel);
    progress_->setObjectName(QStringLiteral("ToleranceProgress"));
    progress_->setRange(0, 1000);
    progress_->setValue(0);
    status_ = new QLabel(panel);
    status_->setObjectName(QStringLiteral("StatusLabel"));
    status_->setWordWrap(true);
    connect(runButton_, &QPushButton::clicked, this, &ToleranceWindow::start);
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(runButton_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(tolerances);
    layout->addWidget(limits);
    layout->addWidget(method);
    layout->addLayout(buttons);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addStretch();
    return panel;
}

QWidget* ToleranceWindow::createResults(SaveFileChooser& files, MessageBox& messages) {
    auto* panel = new QWidget(this);
    table_ = new QTableWidget(0, static_cast<int>(std::size(TableTitleTexts)), panel);
    table_->setObjectName(QStringLiteral("ToleranceTable"));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    yield_ = new QLabel(panel);
    yield_->setObjectName(QStringLiteral("YieldLabel"));
    yield_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    quantity_ = new QComboBox(panel);
    quantity_->setObjectName(QStringLiteral("HistogramQuantity"));
    for (std::size_t k = 0; k < Quantities.size(); ++k) {
        quantity_->addItem(QString());
    }
    histogram_ = new ChartView(files, messages, decimalSeparator_, panel);
    histogram_->setObjectName(QStringLiteral("ToleranceHistogram"));
    connect(quantity_, &QComboBox::currentIndexChanged, this, [this] { showHistogram(); });
    auto* choice = new QHBoxLayout;
    auto* label = new QLabel(panel);
    label->setBuddy(quantity_);
    choice->addWidget(label);
    choice->addWidget(quantity_);
    choice->addStretch();
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(table_);
    layout->addWidget(yield_);
    layout->addLayout(choice);
    layout->addWidget(histogram_, 1);
    return panel;
}

void ToleranceWindow::setCircuit(const ConverterCircuit& circuit, const RealParts& parts) {
    stop();
    circuit_ = circuit;
    parts_ = parts;
    for (std::size_t v = static_cast<std::size_t>(TolerancedValue::rS); v < TolerancedValueCount;
         ++v) {
        tolerances_[v]->setEnabled(parts.any());
    }
    limits_[static_cast<std::size_t>(ToleranceLimit::Efficiency)]->setEnabled(parts.any());
}

// The problem as typed, or none after the refusal in the status line; the texts stay.
std::optional<ToleranceProblem> ToleranceWindow::readProblem() {
    const auto refuse = [this](std::function<QString()> wording) {
        statusWording_ = std::move(wording);
        showStatus();
        return std::nullopt;
    };
    ToleranceProblem problem;
    problem.circuit = *circuit_;
    problem.parts = parts_;
    for (std::size_t v = 0; v < TolerancedValueCount; ++v) {
        if (!tolerances_[v]->isEnabled()) {
            continue;
        }
        const Typed typed = ReadTyped(*tolerances_[v]);
        if (typed.refused || (typed.value && !(*typed.value >= 0 && *typed.value < 100))) {
            return refuse([v] {
                return Translate(
                           QT_TRANSLATE_NOOP("ToleranceWindow",
                                             "La tolleranza di %1 vuole un numero da 0 a meno di "
                                             "100."))
                    .arg(QString::fromUtf8(ValueLooks[v].name));
            });
        }
        problem.tolerancePercent[v] = typed.value;
    }
    std::array<std::optional<double>, ToleranceLimitCount> limits;
    for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
        const Typed typed = ReadTyped(*limits_[l]);
        if (typed.refused || (typed.value && !(*typed.value >= 0))) {
            return refuse([l] {
                return Translate(
                           QT_TRANSLATE_NOOP("ToleranceWindow",
                                             "Il limite %1 vuole un numero non negativo, o nulla."))
                    .arg(Translate(LimitLooks[l].label));
            });
        }
        limits[l] = limits_[l]->isEnabled() ? typed.value : std::nullopt;
    }
    problem.limits = {limits[0], limits[1], limits[2], limits[3], limits[4]};
    bool ok = false;
    const qlonglong samples = samples_->text().trimmed().toLongLong(&ok);
    if (!ok || samples < 0 || samples > 10'000'000) {
        return refuse([] {
            return Translate(QT_TRANSLATE_NOOP(
                "ToleranceWindow", "I campioni Monte Carlo vogliono un numero intero da 0 a "
                                   "10000000."));
        });
    }
    const qulonglong seed = seed_->text().trimmed().toULongLong(&ok);
    if (!ok) {
        return refuse([] {
            return Translate(QT_TRANSLATE_NOOP("ToleranceWindow",
                                               "Il seme vuole un numero intero non negativo."));
        });
    }
    problem.worstCase = worstCase_->isChecked();
    problem.samples = samples;
    problem.distribution = distribution_->currentIndex() == 0 ? SampleDistribution::Uniform
                                                              : SampleDistribution::Normal;
    problem.seed = seed;
    if (!problem.worstCase && problem.samples == 0) {
        return refuse([] {
            return Translate(QT_TRANSLATE_NOOP(
                "ToleranceWindow", "Scegliere il caso peggiore o almeno un campione Monte "
                                   "Carlo."));
        });
    }
    return problem;
}

// The rows are computed on threads of their own, the window told of the progress after each
// block.
void ToleranceWindow::start() {
    if (!circuit_ || running()) {
        return;
    }
    stop();
    const std::optional<ToleranceProblem> problem = readProblem();
    if (!problem) {
        return;
    }
    statusWording_ = nullptr;
    showStatus();
    analysis_.emplace(*problem);
    rows_.clear();
    summary_.reset();
    progress_->setValue(0);
    runButton_->setEnabled(false);
    cancel_->setEnabled(true);
    cancelled_ = false;
    finished_ = false;
    const int run = ++analysisRun_;
    const int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    worker_ = std::thread([this, run, jobs, analysis = *analysis_] {
        ProgressPost observer(*this, cancelled_, [this, run](double fraction) {
            if (run == analysisRun_) {
                progress_->setValue(static_cast<int>(fraction * 1000));
            }
        });
        std::optional<std::vector<ToleranceRow>> rows = RunToleranceRows(analysis, jobs, observer);
        finished_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, run, rows = std::move(rows)]() mutable {
                if (run == analysisRun_) {
                    finish(std::move(rows));
                }
            },
            Qt::QueuedConnection);
    });
}

void ToleranceWindow::finish(std::optional<std::vector<ToleranceRow>> rows) {
    if (worker_.joinable()) {
        worker_.join();
    }
    runButton_->setEnabled(true);
    cancel_->setEnabled(false);
    if (!rows) {
        statusWording_ = [] {
            return Translate(QT_TRANSLATE_NOOP("ToleranceWindow", "Analisi annullata."));
        };
        showStatus();
    } else {
        rows_ = std::move(*rows);
        summary_ = Summarize(*analysis_, rows_);
        showResults();
    }
    emit analysisEnded();
}

void ToleranceWindow::showStatus() {
    if (statusWording_) {
        ShowValue(*status_, statusWording_());
    } else {
        status_->clear();
    }
}

// Stops a running analysis and waits for its threads; what it still posts is dropped.
void ToleranceWindow::stop() {
    if (!worker_.joinable()) {
        return;
    }
    cancelled_ = true;
    worker_.join();
    ++analysisRun_;
    runButton_->setEnabled(true);
    cancel_->setEnabled(false);
}

void ToleranceWindow::showResults() {
    table_->setRowCount(0);
    const QStringList titles = TableTitles();
    for (ToleranceQuantity quantity : Quantities) {
        if (quantity == ToleranceQuantity::Efficiency && !analysis_->withParts()) {
            continue;
        }
        const QStringList cells =
            QuantityRow(*summary_, analysis_->varied(), quantity, decimalSeparator_);
        const int r = table_->rowCount();
        table_->insertRow(r);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::AccessibleTextRole,
                          QStringLiteral("%1, %2: %3").arg(cells[0], titles[c], cells[c]));
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    ShowValue(*yield_, YieldLines(*summary_, decimalSeparator_).join(u'\n'));
    showHistogram();
}

void ToleranceWindow::showHistogram() {
    if (analysis_ && summary_) {
        ShowToleranceHistogram(*histogram_, *analysis_, rows_,
                               Quantities[static_cast<std::size_t>(quantity_->currentIndex())]);
    }
}

ToleranceReport ToleranceWindow::report() {
    ToleranceReport content;
    if (!analysis_ || !summary_) {
        return content;
    }
    const ToleranceProblem& problem = analysis_->problem();
    QStringList tolerances;
    for (TolerancedValue value : analysis_->varied()) {
        const std::size_t v = static_cast<std::size_t>(value);
        tolerances << QStringLiteral("%1 ±%2 %")
                          .arg(QString::fromUtf8(ValueLooks[v].name))
                          .arg(*problem.tolerancePercent[v]);
    }
    content.inputs << Translate(QT_TRANSLATE_NOOP("ToleranceWindow", "Tolleranze: %1"))
                          .arg(tolerances.join(QStringLiteral(", ")))
                   << Translate(
                          QT_TRANSLATE_NOOP("ToleranceWindow", "Campioni Monte Carlo: %1, seme %2"))
                          .arg(problem.samples)
                          .arg(problem.seed);
    content.titles = TableTitles();
    for (ToleranceQuantity quantity : Quantities) {
        if (quantity != ToleranceQuantity::Efficiency || analysis_->withParts()) {
            content.rows.push_back(
                QuantityRow(*summary_, analysis_->varied(), quantity, decimalSeparator_));
        }
    }
    content.yield = YieldLines(*summary_, decimalSeparator_);
    for (ToleranceQuantity quantity : Quantities) {
        if (quantity != ToleranceQuantity::Efficiency || analysis_->withParts()) {
            ShowToleranceHistogram(*histogram_, *analysis_, rows_, quantity);
            content.histograms.push_back(histogram_->image(2));
        }
    }
    showHistogram();
    return content;
}
