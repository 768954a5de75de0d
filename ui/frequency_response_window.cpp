// The frequency-response window: Bode charts, loop compensation and the switching circuit's FRA.
#include "ui/frequency_response_window.h"

#include "display/frequency_response_wording.h"
#include "display/number_text.h"
#include "figure/qt_text.h"
#include "figure/window_look.h"
#include "ui/chart_view.h"
#include "ui/controls.h"
#include "ui/pictures.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr double LowestHz = 10;
constexpr std::int32_t CurvePoints = 200;
constexpr int DefaultFraPoints = 8;

QString Engineering(double value, std::u16string_view unit, char16_t separator) {
    return FromText(EngineeringText(value, unit, separator));
}

QString Scale(double value, std::u16string_view unit, char16_t separator) {
    return FromText(ScaleText(value, unit, separator));
}

// "459.41 Hz (Q 2.3100)", "2.2918 kHz, semipiano destro".
QString RootText(const Root& root, char16_t separator) {
    QString text = Engineering(root.fHz, u"Hz", separator);
    if (root.q) {
        text += QStringLiteral(" (Q %1)").arg(Engineering(*root.q, u"", separator).trimmed());
    }
    if (root.rightHalfPlane) {
        text += QStringLiteral(", semipiano destro");
    }
    return text;
}

QString RootsText(const std::vector<Root>& roots, char16_t separator) {
    if (roots.empty()) {
        return QStringLiteral("nessuno");
    }
    QStringList texts;
    for (const Root& root : roots) {
        texts << RootText(root, separator);
    }
    return texts.join(QStringLiteral("; "));
}

QStringList ModelLines(const AveragedModel& model, char16_t separator) {
    return {QStringLiteral("Modo: %1%2")
                .arg(model.discontinuous ? QStringLiteral("DCM") : QStringLiteral("CCM"),
                     model.discontinuous ? QStringLiteral(" (modello a ordine ridotto)")
                                         : QStringLiteral(" (modello mediato nello spazio "
                                                          "degli stati)")),
            QStringLiteral("Punto di lavoro del modello: Vo = %1, IL = %2")
                .arg(Engineering(model.VoMean, u"V", separator),
                     Engineering(model.IL, u"A", separator)),
            QStringLiteral("Poli di Gvd: %1").arg(RootsText(model.poles, separator)),
            QStringLiteral("Zeri di Gvd: %1").arg(RootsText(model.zeros, separator))};
}

QStringList CompensatorLines(const LoopDesign& loop, char16_t separator) {
    const CompensatorNetwork& n = loop.network;
    QStringList lines{
        QStringLiteral("%1: R1 = %2, R2 = %3, C1 = %4, C2 = %5")
            .arg(n.type == CompensatorType::TypeII ? QStringLiteral("Tipo II")
                                                   : QStringLiteral("Tipo III"),
                 Engineering(n.R1, u"Ω", separator), Engineering(n.R2, u"Ω", separator),
                 Engineering(n.C1, u"F", separator), Engineering(n.C2, u"F", separator))};
    if (n.type == CompensatorType::TypeIII) {
        lines << QStringLiteral("R3 = %1, C3 = %2")
                     .arg(Engineering(n.R3, u"Ω", separator), Engineering(n.C3, u"F", separator));
    }
    lines << QStringLiteral("k = %1, margine di fase %2, margine di guadagno %3")
                 .arg(Engineering(loop.k, u"", separator).trimmed(),
                      Scale(loop.pmDeg, u"°", separator),
                      loop.gmDb ? Scale(*loop.gmDb, u"dB", separator)
                                : QStringLiteral("nessuno (la fase di T non raggiunge -180 °)"));
    for (LoopWarning warning : loop.warnings) {
        lines << FromText(LoopWarningText(warning));
    }
    return lines;
}

// A number typed with a decimal point, as in the main window's fields; none for any other text.
std::optional<double> TypedNumber(const QLineEdit& field) {
    bool ok = false;
    const double value = field.text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QLineEdit* NumberField(const QString& name, const QString& accessibleName, const QString& text,
                       QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    return field;
}

// A crossover to start from: a twentieth of the switching frequency, and at most a fifth of a
// right-half-plane zero's.
double DefaultCrossover(const AveragedModel& model, const ConverterCircuit& circuit) {
    const double crossover = circuit.f / 20;
    return model.rhpZeroHz ? std::min(crossover, *model.rhpZeroHz / 5) : crossover;
}

// Asks a running FRA, once a window of periods, whether to go on.
class CancelFlag : public SimulationObserver {
public:
    explicit CancelFlag(const std::atomic<bool>& cancelled) : cancelled_(cancelled) {}
    bool keepGoing(double) override { return !cancelled_; }

private:
    const std::atomic<bool>& cancelled_;
};

} // namespace

FrequencyResponseWindow::FrequencyResponseWindow(SaveFileChooser& files, MessageBox& messages,
                                                 char16_t decimalSeparator)
    : decimalSeparator_(decimalSeparator) {
    setObjectName(QStringLiteral("FrequencyResponseWindow"));
    setWindowTitle(QStringLiteral("Risposta in frequenza"));
    setWindowIcon(AlarmClockIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setPalette(LightFace());
    setFont(WindowFont(8.25, false));
    magnitude_ = new ChartView(files, messages, decimalSeparator, this);
    magnitude_->setObjectName(QStringLiteral("BodeMagnitudeChart"));
    phase_ = new ChartView(files, messages, decimalSeparator, this);
    phase_->setObjectName(QStringLiteral("BodePhaseChart"));
    for (ChartView* chart : {magnitude_, phase_}) {
        connect(chart, &ChartView::pointed, this, [this](QPointF value) { readAt(value.x()); });
    }
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("ReadoutLabel"));
    readout_->setAccessibleName(QStringLiteral("Lettura del puntatore"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* charts = new QVBoxLayout;
    charts->addWidget(magnitude_, 1);
    charts->addWidget(phase_, 1);
    charts->addWidget(readout_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(createInputs());
    layout->addLayout(charts, 1);
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);
}

FrequencyResponseWindow::~FrequencyResponseWindow() {
    stopFra();
}

// The model's lines above the compensation's inputs and results, then the FRA's command.
QWidget* FrequencyResponseWindow::createInputs() {
    auto* panel = new QWidget(this);
    panel->setMaximumWidth(330);
    modelLabel_ = new QLabel(panel);
    modelLabel_->setObjectName(QStringLiteral("ModelLabel"));
    modelLabel_->setAccessibleName(QStringLiteral("Modello mediato"));
    modelLabel_->setWordWrap(true);
    modelLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    warningsLabel_ = new QLabel(panel);
    warningsLabel_->setObjectName(QStringLiteral("WarningsLabel"));
    warningsLabel_->setAccessibleName(QStringLiteral("Avvisi"));
    warningsLabel_->setWordWrap(true);

    auto* loop = new QGroupBox(QStringLiteral("Compensazione (modo tensione)"), panel);
    type_ = new QComboBox(loop);
    type_->setObjectName(QStringLiteral("CompensatorType"));
    type_->setAccessibleName(QStringLiteral("Tipo di compensatore"));
    type_->addItems(
        {QStringLiteral("Nessuna"), QStringLiteral("Tipo II"), QStringLiteral("Tipo III")});
    crossover_ = NumberField(QStringLiteral("CrossoverField"),
                             QStringLiteral("fc, frequenza di attraversamento, hertz"), {}, loop);
    margin_ = NumberField(QStringLiteral("MarginField"), QStringLiteral("margine di fase, gradi"),
                          QStringLiteral("60"), loop);
    ramp_ = NumberField(QStringLiteral("RampField"),
                        QStringLiteral("Vm, ampiezza della rampa PWM, volt"), QStringLiteral("1"),
                        loop);
    resistor_ = NumberField(QStringLiteral("R1Field"), QStringLiteral("R1, kiloohm"),
                            QStringLiteral("10"), loop);
    auto* apply = new QPushButton(QStringLiteral("&Compensa"), loop);
    apply->setObjectName(QStringLiteral("CompensateButton"));
    apply->setAccessibleName(QStringLiteral("Calcola il compensatore"));
    compensator_ = new QLabel(loop);
    compensator_->setObjectName(QStringLiteral("CompensatorLabel"));
    compensator_->setAccessibleName(QStringLiteral("Compensatore"));
    compensator_->setWordWrap(true);
    compensator_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* form = new QFormLayout(loop);
    form->addRow(QStringLiteral("&Tipo"), type_);
    form->addRow(QStringLiteral("&fc [Hz]"), crossover_);
    form->addRow(QStringLiteral("&PM [°]"), margin_);
    form->addRow(QStringLiteral("&Vm [V]"), ramp_);
    form->addRow(QStringLiteral("R&1 [kΩ]"), resistor_);
    form->addRow(apply);
    form->addRow(compensator_);
    connect(apply, &QPushButton::clicked, this, &FrequencyResponseWindow::compensate);

    auto* measure = new QGroupBox(QStringLiteral("Circuito a commutazione (FRA)"), panel);
    fraCount_ = new QSpinBox(measure);
    fraCount_->setObjectName(QStringLiteral("FraPointsField"));
    fraCount_->setAccessibleName(QStringLiteral("Numero di frequenze della FRA"));
    fraCount_->setRange(2, 40);
    fraCount_->setValue(DefaultFraPoints);
    fra_ = new QPushButton(QStringLiteral("FR&A"), measure);
    fra_->setObjectName(QStringLiteral("FraButton"));
    fra_->setAccessibleName(
        QStringLiteral("Misura la risposta del circuito a commutazione fino a f/10"));
    cancelFra_ = new QPushButton(QStringLiteral("A&nnulla"), measure);
    cancelFra_->setObjectName(QStringLiteral("CancelFraButton"));
    cancelFra_->setEnabled(false);
    progress_ = new QProgressBar(measure);
    progress_->setObjectName(QStringLiteral("FraProgress"));
    progress_->setAccessibleName(QStringLiteral("Avanzamento della FRA"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    auto* fraForm = new QFormLayout(measure);
    fraForm->addRow(QStringLiteral("F&requenze"), fraCount_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fra_);
    buttons->addWidget(cancelFra_);
    fraForm->addRow(buttons);
    fraForm->addRow(progress_);
    connect(fra_, &QPushButton::clicked, this, &FrequencyResponseWindow::startFra);
    connect(cancelFra_, &QPushButton::clicked, this, [this] { fraCancelled_ = true; });

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(modelLabel_);
    layout->addWidget(warningsLabel_);
    layout->addWidget(loop);
    layout->addWidget(measure);
    layout->addStretch();
    return panel;
}

void FrequencyResponseWindow::showCircuit(const ConverterCircuit& circuit, const RealParts& parts) {
    stopFra();
    circuit_ = circuit;
    parts_ = parts;
    model_ = AverageModel(circuit, parts);
    curves_.fra.clear();
    if (crossover_->text().isEmpty()) {
        crossover_->setText(QString::number(DefaultCrossover(model_, circuit), 'g', 4));
    }
    showModel();
    compensate();
}

void FrequencyResponseWindow::showModel() {
    ShowValue(*modelLabel_, ModelLines(model_, decimalSeparator_).join(u'\n'));
    QStringList warnings;
    for (ModelWarning warning : model_.warnings) {
        warnings << FromText(ModelWarningText(warning));
    }
    warningsLabel_->setText(warnings.join(u'\n'));
    warningsLabel_->setVisible(!warnings.isEmpty());
}

// The compensator of the type chosen, or the reason it cannot be made; the curves follow.
void FrequencyResponseWindow::compensate() {
    loop_.reset();
    compensator_->clear();
    if (!circuit_ || type_->currentIndex() == 0) {
        redraw();
        return;
    }
    const std::optional<double> fc = TypedNumber(*crossover_);
    const std::optional<double> pm = TypedNumber(*margin_);
    const std::optional<double> vm = TypedNumber(*ramp_);
    const std::optional<double> r1 = TypedNumber(*resistor_);
    if (!fc || !pm || !vm || !r1) {
        ShowValue(*compensator_, QStringLiteral("fc, PM, Vm e R1 vogliono un numero, con il "
                                                "punto decimale."));
        redraw();
        return;
    }
    const CompensatorRequest request{type_->currentIndex() == 1 ? CompensatorType::TypeII
                                                                : CompensatorType::TypeIII,
                                     *fc, *pm, *r1 * 1e3, *vm};
    LoopDesign loop = SynthesiseCompensator(model_, *circuit_, request);
    if (loop.refusal) {
        ShowValue(*compensator_, FromText(CompensatorRefusalText(*loop.refusal, loop.boostDeg,
                                                                 decimalSeparator_)));
    } else {
        ShowValue(*compensator_, CompensatorLines(loop, decimalSeparator_).join(u'\n'));
        loop_ = std::move(loop);
    }
    redraw();
}

void FrequencyResponseWindow::redraw() {
    if (!circuit_) {
        return;
    }
    curves_.points = BodeCurve(model_, loop_ ? &loop_->loopGain : nullptr, LowestHz,
                               circuit_->f / 2, CurvePoints);
    ShowBodeMagnitude(*magnitude_, curves_);
    ShowBodePhase(*phase_, curves_);
}

// The pointer's frequency, read on every curve at the nearest point computed.
void FrequencyResponseWindow::readAt(double fHz) {
    if (curves_.points.empty() || !(fHz > 0)) {
        return;
    }
    const auto nearest = std::min_element(
        curves_.points.begin(), curves_.points.end(), [&](const BodePoint& a, const BodePoint& b) {
            return std::abs(std::log(a.fHz / fHz)) < std::abs(std::log(b.fHz / fHz));
        });
    const char16_t s = decimalSeparator_;
    QString text = QStringLiteral("f = %1 · Gvd %2, %3 · Gvg %4, %5 · Zout %6, %7")
                       .arg(Engineering(nearest->fHz, u"Hz", s), Scale(nearest->gvdDb, u"dB", s),
                            Scale(nearest->gvdDeg, u"°", s), Scale(nearest->gvgDb, u"dB", s),
                            Scale(nearest->gvgDeg, u"°", s), Scale(nearest->zoutDbOhm, u"dBΩ", s),
                            Scale(nearest->zoutDeg, u"°", s));
    if (nearest->loopDb && nearest->loopDeg) {
        text += QStringLiteral(" · T %1, %2")
                    .arg(Scale(*nearest->loopDb, u"dB", s), Scale(*nearest->loopDeg, u"°", s));
    }
    ShowValue(*readout_, text);
}

QString FrequencyResponseWindow::readout() const {
    return readout_->text();
}

// The switching circuit measured at log-spaced frequencies up to f / 10, one after another on
// a thread of its own; each point is drawn as it comes.
void FrequencyResponseWindow::startFra() {
    if (!circuit_ || fraRunning()) {
        return;
    }
    stopFra();
    curves_.fra.clear();
    redraw();
    const std::vector<double> frequencies =
        FraFrequencies(LowestHz, circuit_->f, static_cast<std::int32_t>(fraCount_->value()));
    const int count = static_cast<int>(frequencies.size());
    progress_->setRange(0, count);
    progress_->setValue(0);
    fra_->setEnabled(false);
    cancelFra_->setEnabled(true);
    fraCancelled_ = false;
    fraFinished_ = false;
    const int run = ++fraRun_;
    fraThread_ = std::thread([this, run, frequencies, count, circuit = *circuit_, parts = parts_] {
        const FrequencyResponseAnalyser analyser(circuit, parts);
        CancelFlag observer(fraCancelled_);
        int done = 0;
        for (double f : frequencies) {
            const std::optional<FraPoint> point =
                analyser.measure(f, DefaultFraAmplitude, &observer);
            if (!point) {
                break;
            }
            ++done;
            QMetaObject::invokeMethod(
                this,
                [this, run, point = *point, done, count] {
                    if (run == fraRun_) {
                        addFraPoint(point, done, count);
                    }
                },
                Qt::QueuedConnection);
        }
        fraFinished_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, run] {
                if (run == fraRun_) {
                    finishFra();
                }
            },
            Qt::QueuedConnection);
    });
}

// The measured phase is put on the branch of the model's curve, so that both read alike.
void FrequencyResponseWindow::addFraPoint(const FraPoint& point, int done, int count) {
    FraPoint shown = point;
    shown.deg = PhaseNear(point.deg, GvdCurvePhaseDeg(model_, LowestHz, point.fHz));
    curves_.fra.push_back(shown);
    progress_->setRange(0, count);
    progress_->setValue(done);
    ShowBodeMagnitude(*magnitude_, curves_);
    ShowBodePhase(*phase_, curves_);
}

void FrequencyResponseWindow::finishFra() {
    if (fraThread_.joinable()) {
        fraThread_.join();
    }
    fra_->setEnabled(true);
    cancelFra_->setEnabled(false);
    emit fraEnded();
}

// Stops a running FRA and waits for its thread; points it still posted are dropped with the
// curves they were measured for.
void FrequencyResponseWindow::stopFra() {
    if (!fraThread_.joinable()) {
        return;
    }
    fraCancelled_ = true;
    fraThread_.join();
    ++fraRun_;
    fra_->setEnabled(true);
    cancelFra_->setEnabled(false);
}

FrequencyResponseReport FrequencyResponseWindow::report() const {
    FrequencyResponseReport content{ModelLines(model_, decimalSeparator_), {}, {}, {}};
    for (ModelWarning warning : model_.warnings) {
        content.model << FromText(ModelWarningText(warning));
    }
    if (loop_) {
        content.compensator = CompensatorLines(*loop_, decimalSeparator_);
    }
    content.magnitude = magnitude_->image(2);
    content.phase = phase_->image(2);
    return content;
}
