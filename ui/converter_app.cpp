// The application: clicks to handlers, one at a time, the message box and the user's locale.
#include "ui/converter_app.h"

#include "core/design_calculation.h"
#include "core/handler_support.h"
#include "core/spice_netlist.h"
#include "core/verification.h"
#include "display/analysis_wording.h"
#include "display/number_text.h"
#include "display/part_table.h"
#include "figure/language.h"
#include "figure/qt_text.h"
#include "ui/application_title.h"
#include "ui/chart_view.h"
#include "ui/efficiency_chart.h"
#include "ui/progress_observer.h"
#include "ui/real_parts_panel.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <charconv>
#include <utility>

namespace {

// `italian`, one of the application's texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("ConverterApp", italian);
}

// The report's name of a field or a result box of the main window: its symbol, what it is
// and its unit.
template <typename Box> struct ReportLabel {
    Box box;
    const char* label;
};

constexpr std::array<ReportLabel<TextBox>, 6> DesignFields{{
    {TextBox::Text1, QT_TRANSLATE_NOOP("ConverterApp", "Vi, tensione di ingresso [V]")},
    {TextBox::Text2, QT_TRANSLATE_NOOP("ConverterApp", "|Vo|, tensione di uscita [V]")},
    {TextBox::Text3, QT_TRANSLATE_NOOP("ConverterApp", "f, frequenza di commutazione [kHz]")},
    {TextBox::Text4, QT_TRANSLATE_NOOP("ConverterApp", "ΔiL/ILm, ondulazione di iL [%]")},
    {TextBox::Text5, QT_TRANSLATE_NOOP("ConverterApp", "ΔVo, ondulazione di Vo [mV]")},
    {TextBox::Text6, QT_TRANSLATE_NOOP("ConverterApp", "|Io|, corrente di uscita [A]")},
}};

constexpr std::array<ReportLabel<ResultLabel>, 5> DesignResults{{
    {ResultLabel::Label24, QT_TRANSLATE_NOOP("ConverterApp", "L, induttanza [µH]")},
    {ResultLabel::Label25, QT_TRANSLATE_NOOP("ConverterApp", "C, capacità [µF]")},
    {ResultLabel::Label26,
     QT_TRANSLATE_NOOP("ConverterApp", "IDP, corrente di picco nel diodo [A]")},
    {ResultLabel::Label27, QT_TRANSLATE_NOOP("ConverterApp", "IDm, corrente media nel diodo [A]")},
    {ResultLabel::Label32,
     QT_TRANSLATE_NOOP("ConverterApp", "Iim, corrente media in ingresso [A]")},
}};

// In the window's order, top to bottom.
constexpr std::array<ReportLabel<TextBox>, 9> VerificationFields{{
    {TextBox::Text7, QT_TRANSLATE_NOOP("ConverterApp", "Vi, tensione di ingresso [V]")},
    {TextBox::Text12, QT_TRANSLATE_NOOP("ConverterApp", "f, frequenza di commutazione [kHz]")},
    {TextBox::Text8, QT_TRANSLATE_NOOP("ConverterApp", "D, duty cycle [%]")},
    {TextBox::Text9, QT_TRANSLATE_NOOP("ConverterApp", "L, induttanza [µH]")},
    {TextBox::Text10, QT_TRANSLATE_NOOP("ConverterApp", "C, capacità [µF]")},
    {TextBox::Text11, QT_TRANSLATE_NOOP("ConverterApp", "RL, resistenza di carico [Ω]")},
    {TextBox::Text13, QT_TRANSLATE_NOOP("ConverterApp", "N, campioni per periodo")},
    {TextBox::Text14, QT_TRANSLATE_NOOP("ConverterApp", "NP, periodi visualizzati")},
    {TextBox::Text15, QT_TRANSLATE_NOOP("ConverterApp", "NI, periodi simulati")},
}};

// The design fields as typed and the design results as shown.
std::vector<std::pair<QString, QString>> DesignValues(const MainWindow& form1) {
    std::vector<std::pair<QString, QString>> values;
    for (const auto& [box, label] : DesignFields) {
        values.emplace_back(Translate(label), form1.field(box).text());
    }
    for (const auto& [box, label] : DesignResults) {
        values.emplace_back(Translate(label), form1.result(box).text());
    }
    return values;
}

QStringList VerificationTexts(const MainWindow& form1) {
    QStringList texts;
    for (const auto& [box, label] : VerificationFields) {
        texts << form1.field(box).text();
    }
    return texts;
}

// The verification fields' texts beside their names, in the language of the report.
std::vector<std::pair<QString, QString>> VerificationValues(const QStringList& typed) {
    std::vector<std::pair<QString, QString>> values;
    for (std::size_t k = 0; k < VerificationFields.size(); ++k) {
        values.emplace_back(Translate(VerificationFields[k].label),
                            typed[static_cast<qsizetype>(k)]);
    }
    return values;
}

// The counts as the run read them and its time step, computed as the simulation computes it.
std::vector<std::pair<QString, QString>> SimulationValues(double f, std::int32_t N, std::int32_t NP,
                                                          std::int32_t NI,
                                                          char16_t decimalSeparator) {
    const double dt = (1 / f) / static_cast<double>(N);
    return {
        {Translate(QT_TRANSLATE_NOOP("ConverterApp", "Campioni per periodo N")),
         QString::number(N)},
        {Translate(QT_TRANSLATE_NOOP("ConverterApp", "Periodi visualizzati NP")),
         QString::number(NP)},
        {Translate(QT_TRANSLATE_NOOP("ConverterApp", "Periodi simulati NI")), QString::number(NI)},
        {Translate(QT_TRANSLATE_NOOP("ConverterApp", "Passo dt = 1 / (N f)")),
         FromText(EngineeringText(dt, u"s", decimalSeparator))}};
}

} // namespace

void DialogMessageBox::MsgBox(const Text& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), TranslatedText(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Qt gives the separator as a string; every locale's separator is a single UTF-16 unit.
char16_t UserDecimalSeparator() {
    return QLocale::system().decimalPoint().front().unicode();
}

namespace {

// The main window as the design sees it, noting whether the design wrote the last of the
// verification fields, which it does once it has completed.
class DesignWatch : public Form1Operations {
public:
    explicit DesignWatch(Form1Operations& form1) : form1_(form1) {}
    Text text(TextBox box) const override { return form1_.text(box); }
    void setText(TextBox box, const Text& text) override {
        form1_.setText(box, text);
        completed_ = completed_ || box == TextBox::Text11;
    }
    void setForeColor(TextBox box, Color color) override { form1_.setForeColor(box, color); }
    void setCaption(ResultLabel label, const Text& caption) override {
        form1_.setCaption(label, caption);
    }
    void MsgBox(const Text& text) override { form1_.MsgBox(text); }
    bool completed() const { return completed_; }

private:
    Form1Operations& form1_;
    bool completed_ = false;
};

// The shortest text with a point that reads back to the same number, as a field takes it.
Text FieldNumber(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return Text(text, written.ptr);
}

} // namespace

ConverterApp::ConverterApp(Module1& m, MessageBox& messages, SaveFileChooser& files,
                           char16_t decimalSeparator)
    : messages_(messages), files_(files), decimalSeparator_(decimalSeparator), m_(m),
      form1_(messages), form2_(m_, decimalSeparator), drawing_(form2_),
      tools_(files, messages, decimalSeparator) {
    form2_.onWindowCreated([this](WaveformWindow& window) { connectWaveformActions(window); });
    QObject::connect(&form1_.command1(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::calculateDesign); });
    QObject::connect(&form1_.command2(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::runVerification); });
    QObject::connect(&form1_.command3(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::fillSampleData); });
    QObject::connect(&form1_.standardValuesAction(), &QAction::triggered, &form1_,
                     [this] { handleClick(&ConverterApp::openStandardValues); });
}

ConverterApp::~ConverterApp() {
    delete analysis_;
    delete frequencyResponse_;
    delete tolerances_;
}

void ConverterApp::handleClick(Handler handler) {
    if (handling_) {
        deferred_.push_back(handler);
        return;
    }
    handling_ = true;
    RunGuarded(messages_, [this, handler] { (this->*handler)(); });
    handling_ = false;
    // Posted rather than run here, so that the windows first show how the last handler ended.
    for (Handler next : std::exchange(deferred_, {})) {
        QMetaObject::invokeMethod(
            &form1_, [this, next] { handleClick(next); }, Qt::QueuedConnection);
    }
}

void ConverterApp::calculateDesign() {
    design_.reset();
    form1_.standardValuesAction().setEnabled(false);
    DesignWatch watch(form1_);
    CalculateDesign(m_, watch, decimalSeparator_);
    if (watch.completed()) {
        design_ = CompletedDesign{DesignedCircuit(m_), m_.L, m_.C};
        form1_.standardValuesAction().setEnabled(true);
    }
}

void ConverterApp::openStandardValues() {
    if (!design_) {
        return;
    }
    // Modal to the main window, without an event loop of its own.
    auto* dialog = new StandardValuesDialog(*design_, decimalSeparator_, &form1_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &StandardValuesDialog::useRequested, &form1_,
                     [this](double LMicro, double CMicro) { useStandardValues(LMicro, CMicro); });
    dialog->open();
}

// The snapped values in the verification fields, asked for explicitly: "Calcola" itself writes
// the design's own.
void ConverterApp::useStandardValues(double LMicro, double CMicro) {
    form1_.setText(TextBox::Text9, FieldNumber(LMicro));
    form1_.setText(TextBox::Text10, FieldNumber(CMicro));
}

// However the run ends, an open analysis window shows it.
void ConverterApp::runVerification() {
    QStringList typed = VerificationTexts(form1_);
    ProgressObserver observer;
    const VerificationOutcome outcome =
        RunVerification(m_, {form1_, form2_, drawing_, decimalSeparator_, &observer});
    if (outcome.end == VerificationEnd::Drawn) {
        form2_.keepPlottedRun();
    }
    if (outcome.circuit) {
        checkedRun_ =
            CheckedRun{*outcome.circuit, m_.N, m_.NP, outcome.NI, outcome.end, std::move(typed)};
    }
    updateAnalysis();
}

void ConverterApp::fillSampleData() {
    FillSampleData(form1_);
}

void ConverterApp::connectWaveformActions(WaveformWindow& window) {
    const auto connect = [&](WaveformAction which, Handler handler) {
        QObject::connect(&window.action(which), &QAction::triggered, &window,
                         [this, handler] { handleClick(handler); });
    };
    connect(WaveformAction::SaveImage, &ConverterApp::saveImage);
    connect(WaveformAction::ExportCsv, &ConverterApp::exportCsv);
    connect(WaveformAction::CopyImage, &ConverterApp::copyImage);
    connect(WaveformAction::CopyValues, &ConverterApp::copyValues);
    connect(WaveformAction::SaveReport, &ConverterApp::saveReport);
    connect(WaveformAction::ExportNetlist, &ConverterApp::exportNetlist);
    connect(WaveformAction::Analysis, &ConverterApp::openAnalysis);
    connect(WaveformAction::FrequencyResponse, &ConverterApp::openFrequencyResponse);
    connect(WaveformAction::Tolerances, &ConverterApp::openTolerances);
}

void ConverterApp::saveImage() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow& window) {
        tools_.saveImage(&window, run, form2_.shownPlot());
    });
}

void ConverterApp::exportCsv() {
    form2_.withPlottedRun(
        [this](Module1& run, WaveformWindow& window) { tools_.exportCsv(&window, run); });
}

void ConverterApp::copyImage() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow& window) {
        tools_.copyImage(&window, run, form2_.shownPlot());
    });
}

void ConverterApp::copyValues() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow&) { tools_.copyValues(run); });
}

// The analysis window follows the waveform window and closes with it.
void ConverterApp::openAnalysis() {
    WaveformWindow* form2 = form2_.window();
    if (!form2) {
        return;
    }
    if (!analysis_) {
        analysis_ = new AnalysisWindow(files_, messages_, decimalSeparator_);
        QObject::connect(form2, &WaveformWindow::closed, analysis_, &QWidget::close);
        QObject::connect(analysis_, &AnalysisWindow::saveReportRequested, analysis_,
                         [this] { handleClick(&ConverterApp::saveReport); });
    }
    updateAnalysis();
    analysis_->show();
    analysis_->raise();
    analysis_->activateWindow();
}

// The frequency-response window follows the waveform window and closes with it.
void ConverterApp::openFrequencyResponse() {
    WaveformWindow* form2 = form2_.window();
    if (!form2 || !checkedRun_) {
        return;
    }
    if (!frequencyResponse_) {
        frequencyResponse_ = new FrequencyResponseWindow(files_, messages_, decimalSeparator_);
        QObject::connect(form2, &WaveformWindow::closed, frequencyResponse_, &QWidget::close);
    }
    updateAnalysis();
    frequencyResponse_->show();
    frequencyResponse_->raise();
    frequencyResponse_->activateWindow();
}

// The tolerance window follows the waveform window and closes with it.
void ConverterApp::openTolerances() {
    WaveformWindow* form2 = form2_.window();
    if (!form2 || !checkedRun_) {
        return;
    }
    if (!tolerances_) {
        tolerances_ = new ToleranceWindow(files_, messages_, decimalSeparator_);
        QObject::connect(form2, &WaveformWindow::closed, tolerances_, &QWidget::close);
    }
    updateAnalysis();
    tolerances_->show();
    tolerances_->raise();
    tolerances_->activateWindow();
}

// The report of the run the analysis shows: with its figure and measured values when it drew
// its traces.
void ConverterApp::saveReport() {
    const std::optional<RunAnalysis> run = analyseCheckedRun();
    if (!run || !form2_.window()) {
        return;
    }
    const CheckedRun& checked = *checkedRun_;
    ReportContent content{
        QDateTime::currentDateTime(),
        DesignValues(form1_),
        VerificationValues(checked.typed),
        SimulationValues(checked.circuit.f, checked.N, checked.NP, checked.NI, decimalSeparator_),
        TabulateAnalysis(*run, decimalSeparator_),
        {},
        {},
        {},
        {},
        {}};
    addRealParts(content, checked.circuit);
    if (frequencyResponse_) {
        content.frequencyResponse = frequencyResponse_->report();
    }
    if (tolerances_) {
        content.tolerances = tolerances_->report();
    }
    bool plotted = false;
    form2_.withPlottedRun([&](Module1& plottedRun, WaveformWindow& window) {
        plotted = true;
        const ShownPlot shown = form2_.shownPlot();
        tools_.saveReport(&window, plottedRun, &shown, content);
    });
    if (!plotted) {
        tools_.saveReport(form2_.window(), m_, nullptr, content);
    }
}

// The netlist of the last run whose inputs passed the checks, with the parts remembered, for
// its N and NI.
void ConverterApp::exportNetlist() {
    if (!checkedRun_ || !form2_.window()) {
        return;
    }
    const CheckedRun& checked = *checkedRun_;
    tools_.exportNetlist(form2_.window(), m_,
                         SpiceNetlist(checked.circuit, RememberedParts(), checked.N, checked.NI));
}

// The parts the analysis window holds, else those remembered; none given, none reported.
void ConverterApp::addRealParts(ReportContent& content, const ConverterCircuit& circuit) {
    const RealParts parts = RememberedParts();
    if (!parts.any()) {
        return;
    }
    for (const PartEntry& entry : PartTable()) {
        QString value = QString::number(parts.*entry.part / entry.scale, 'g', 6);
        value.replace(u'.', QChar(decimalSeparator_));
        content.parts.emplace_back(Translated("PartTable", entry.label), value);
    }
    content.realParts = TabulateRealParts(SolveRealParts(circuit, parts), decimalSeparator_);
    ChartView chart(files_, messages_, decimalSeparator_);
    ShowEfficiencyChart(chart, circuit, parts);
    content.efficiencyChart = chart.image(2);
}

void ConverterApp::updateAnalysis() {
    if (checkedRun_ && frequencyResponse_) {
        frequencyResponse_->showCircuit(checkedRun_->circuit, RememberedParts());
    }
    if (checkedRun_ && tolerances_) {
        tolerances_->setCircuit(checkedRun_->circuit, RememberedParts());
    }
    if (!analysis_) {
        return;
    }
    if (const std::optional<RunAnalysis> run = analyseCheckedRun()) {
        analysis_->showAnalysis(*run, decimalSeparator_);
    }
}

std::optional<RunAnalysis> ConverterApp::analyseCheckedRun() {
    if (!checkedRun_) {
        return std::nullopt;
    }
    if (checkedRun_->end != VerificationEnd::Drawn) {
        return exactOnly(checkedRun_->end);
    }
    std::optional<RunAnalysis> analysed;
    form2_.withPlottedRun([&](Module1& run, WaveformWindow&) {
        analysed = RunAnalysis{CircuitOf(run), AnalyseLastRun(run)};
    });
    return analysed;
}

RunAnalysis ConverterApp::exactOnly(VerificationEnd end) const {
    return {checkedRun_->circuit, AnalyseCircuit(checkedRun_->circuit, checkedRun_->NI), end};
}
