// The frequency-response window: Bode charts, loop compensation and the switching circuit's FRA.
#include "ui/frequency_response_window.h"

#include "display/frequency_response_wording.h"
#include "display/number_text.h"
#include "figure/language.h"
#include "figure/qt_text.h"
#include "figure/window_look.h"
#include "ui/chart_view.h"
#include "ui/controls.h"
#include "ui/pictures.h"
#include "ui/window_texts.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
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

// A sentence of the window, `italian` in the language in use.
QString Translate(const char* italian) {
    return Translated("FrequencyResponseWindow", italian);
}

// The words of the window's controls; the numbers and the model's lines are shown apart.
constexpr WindowText Texts[]{
    {"", TextPlace::WindowTitle,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Risposta in frequenza")},
    {"ReadoutLabel", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Lettura del puntatore")},
    {"ModelLabel", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Modello mediato")},
    {"WarningsLabel", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Avvisi")},
    {"CompensationGroup", TextPlace::Text,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Compensazione (modo tensione)")},
    {"CompensatorType", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Tipo di compensatore")},
    {"CompensatorType", TextPlace::BuddyLabel,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "&Tipo")},
    {"CrossoverField", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "fc, frequenza di attraversamento, hertz")},
    {"CrossoverField", TextPlace::BuddyLabel,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "&fc [Hz]")},
    {"MarginField", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "margine di fase, gradi")},
    {"MarginField", TextPlace::BuddyLabel, QT_TRANSLATE_NOOP("FrequencyResponseWindow", "&PM [°]")},
    {"RampField", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Vm, ampiezza della rampa PWM, volt")},
    {"RampField", TextPlace::BuddyLabel, QT_TRANSLATE_NOOP("FrequencyResponseWindow", "&Vm [V]")},
    {"R1Field", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "R1, kiloohm")},
    {"R1Field", TextPlace::BuddyLabel, QT_TRANSLATE_NOOP("FrequencyResponseWindow", "R&1 [kΩ]")},
    {"CompensateButton", TextPlace::Text,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "&Compensa")},
    {"CompensateButton", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Calcola il compensatore")},
    {"CompensatorLabel", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Compensatore")},
    {"FraGroup", TextPlace::Text,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Circuito a commutazione (FRA)")},
    {"FraPointsField", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Numero di frequenze della FRA")},
    {"FraPointsField", TextPlace::BuddyLabel,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "F&requenze")},
    {"FraButton", TextPlace::Text, QT_TRANSLATE_NOOP("FrequencyResponseWindow", "FR&A")},
    {"FraButton", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow",
                       "Misura la risposta del circuito a commutazione fino a f/10")},
    {"CancelFraButton", TextPlace::Text, QT_TRANSLATE_NOOP("FrequencyResponseWindow", "A&nnulla")},
    {"FraProgress", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Avanzamento della FRA")},
};

// The compensator types of the choice, in the order of its items.
constexpr const char* TypeItems[]{QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Nessuna"),
                                  QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Tipo II"),
                                  QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Tipo III")};

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
        text = Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow", "%1, semipiano destro"))
                   .arg(text);
    }
    return text;
}

QString RootsText(const std::vector<Root>& roots, char16_t separator) {
    if (roots.empty()) {
        return Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow", "nessuno"));
    }
    QStringList texts;
    for (const Root& root : roots) {
        texts << RootText(root, separator);
    }
    return texts.join(QStringLiteral("; "));
}

QStringList ModelLines(const AveragedModel& model, char16_t separator) {
    const QString mode =
        model.discontinuous
            ? Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow",
                                          "Modo: %1 (modello a ordine ridotto)"))
                  .arg(QStringLiteral("DCM"))
            : Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow",
                                          "Modo: %1 (modello mediato nello spazio degli stati)"))
                  .arg(QStringLiteral("CCM"));
    return {mode,
            Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow",
                                        "Punto di lavoro del modello: Vo = %1, IL = %2"))
                .arg(Engineering(model.VoMean, u"V", separator),
                     Engineering(model.IL, u"A", separator)),
            Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Poli di Gvd: %1"))
                .arg(RootsText(model.poles, separator)),
            Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow", "Zeri di Gvd: %1"))
                .arg(RootsText(model.zeros, separator))};
}

QStringList CompensatorLines(const LoopDesign& loop, char16_t separator) {
    const CompensatorNetwork& n = loop.network;
    QStringList lines{
        QStringLiteral("%1: R1 = %2, R2 = %3, C1 = %4, C2 = %5")
            .arg(Translate(TypeItems[n.type == CompensatorType::TypeII ? 1 : 2]),
                 Engineering(n.R1, u"Ω", separator), Engineering(n.R2, u"Ω", separator),
                 Engineering(n.C1, u"F", separator), Engineering(n.C2, u"F", separator))};
    if (n.type == CompensatorType::TypeIII) {
        lines << QStringLiteral("R3 = %1, C3 = %2")
                     .arg(Engineering(n.R3, u"Ω", separator), Engineering(n.C3, u"F", separator));
    }
    lines << Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow",
                                         "k = %1, margine di fase %2, margine di guadagno %3"))
                 .arg(Engineering(loop.k, u"", separator).trimmed(),
                      Scale(loop.pmDeg, u"°", separator),
                      loop.gmDb ? Scale(*loop.gmDb, u"dB", separator)
                                : Translate(QT_TRANSLATE_NOOP(
                                      "FrequencyResponseWindow",
                                      "nessuno (la fase di T non raggiunge -180 °)")));
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

QLineEdit* NumberField(const QString& name, const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
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
    translateTexts();
}

FrequencyResponseWindow::~FrequencyResponseWindow() {
    stopFra();
}

// The words of the controls in the language in use; the values typed and shown stay.
void FrequencyResponseWindow::translateTexts() {
    TranslateWindowTexts(*this, "FrequencyResponseWindow", Texts);
    for (std::size_t k = 0; k < std::size(TypeItems); ++k) {
        type_->setItemText(static_cast<int>(k), Translate(TypeItems[k]));
    }
}

// The words change at once; the model, the compensator and the curves shown are worded anew.
void FrequencyResponseWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
        if (circuit_) {
            showModel();
            showCompensator();
            ShowBodeMagnitude(*magnitude_, curves_);
            ShowBodePhase(*phase_, curves_);
        }
    }
    QWidget::changeEvent(event);
}

// The model's lines above the compensation's inputs and results, then the FRA's command.
QWidget* FrequencyResponseWindow::createInputs() {
    auto* panel = new QWidget(this);
    panel->setMaximumWidth(330);
    modelLabel_ = new QLabel(panel);
    modelLabel_->setObjectName(QStringLiteral("ModelLabel"));
    modelLabel_->setWordWrap(true);
    modelLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    warningsLabel_ = new QLabel(panel);
    warningsLabel_->setObjectName(QStringLiteral("WarningsLabel"));
    warningsLabel_->setWordWrap(true);

    auto* loop = new QGroupBox(panel);
    loop->setObjectName(QStringLiteral("CompensationGroup"));
    type_ = new QComboBox(loop);
    type_->setObjectName(QStringLiteral("CompensatorType"));
    for (std::size_t k = 0; k < std::size(TypeItems); ++k) {
        type_->addItem(QString());
    }
    crossover_ = NumberField(QStringLiteral("CrossoverField"), {}, loop);
    margin_ = NumberField(QStringLiteral("MarginField"), QStringLiteral("60"), loop);
    ramp_ = NumberField(QStringLiteral("RampField"), QStringLiteral("1"), loop);
    resistor_ = NumberField(QStringLiteral("R1Field"), QStringLiteral("10"), loop);
    auto* apply = new QPushButton(loop);
    apply->setObjectName(QStringLiteral("CompensateButton"));
    compensator_ = new QLabel(loop);
    compensator_->setObjectName(QStringLiteral("CompensatorLabel"));
    compensator_->setWordWrap(true);
    compensator_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* form = new QFormLayout(loop);
    for (QWidget* field :
         std::initializer_list<QWidget*>{type_, crossover_, margin_, ramp_, resistor_}) {
        AddLabelledRow(*form, *field);
    }
    form->addRow(apply);
    form->addRow(compensator_);
    connect(apply, &QPushButton::clicked, this, &FrequencyResponseWindow::compensate);

    auto* measure = new QGroupBox(panel);
    measure->setObjectName(QStringLiteral("FraGroup"));
    fraCount_ = new QSpinBox(measure);
    fraCount_->setObjectName(QStringLiteral("FraPointsField"));
    fraCount_->setRange(2, 40);
    fraCount_->setValue(DefaultFraPoints);
    fra_ = new QPushButton(measure);
    fra_->setObjectName(QStringLiteral("FraButton"));
    cancelFra_ = new QPushButton(measure);
    cancelFra_->setObjectName(QStringLiteral("CancelFraButton"));
    cancelFra_->setEnabled(false);
    progress_ = new QProgressBar(measure);
    progress_->setObjectName(QStringLiteral("FraProgress"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    auto* fraForm = new QFormLayout(measure);
    AddLabelledRow(*fraForm, *fraCount_);
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
    compensatorWording_ = nullptr;
    if (!circuit_ || type_->currentIndex() == 0) {
        showCompensator();
        redraw();
        return;
    }
    const std::optional<double> fc = TypedNumber(*crossover_);
    const std::optional<double> pm = TypedNumber(*margin_);
    const std::optional<double> vm = TypedNumber(*ramp_);
    const std::optional<double> r1 = TypedNumber(*resistor_);
    if (!fc || !pm || !vm || !r1) {
        compensatorWording_ = [] {
            return Translate(QT_TRANSLATE_NOOP("FrequencyResponseWindow",
                                               "fc, PM, Vm e R1 vogliono un numero, con il punto "
                                               "decimale."));
        };
        showCompensator();
        redraw();
        return;
    }
    const CompensatorRequest request{type_->currentIndex() == 1 ? CompensatorType::TypeII
                                                                : CompensatorType::TypeIII,
                                     *fc, *pm, *r1 * 1e3, *vm};
    LoopDesign loop = SynthesiseCompensator(model_, *circuit_, request);
    if (loop.refusal) {
        compensatorWording_ = [this, refusal = *loop.refusal, boostDeg = loop.boostDeg] {
            return FromText(CompensatorRefusalText(refusal, boostDeg, decimalSeparator_));
        };
    } else {
        loop_ = std::move(loop);
        compensatorWording_ = [this] {
            return CompensatorLines(*loop_, decimalSeparator_).join(u'\n');
        };
    }
    showCompensator();
    redraw();
}

void FrequencyResponseWindow::showCompensator() {
    if (compensatorWording_) {
        ShowValue(*compensator_, compensatorWording_());
    } else {
        compensator_->clear();
    }
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
