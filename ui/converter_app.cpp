// The application: clicks to handlers, one at a time, the message box and the user's locale.
#include "ui/converter_app.h"

#include "core/design_calculation.h"
#include "core/handler_support.h"
#include "core/verification.h"
#include "display/analysis_wording.h"
#include "figure/qt_text.h"
#include "ui/application_title.h"
#include "ui/progress_observer.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>
#include <utility>

namespace {

// The design fields and results of the main window as shown, each by its accessible name.
std::vector<std::pair<QString, QString>> DesignValues(const MainWindow& form1) {
    using enum TextBox;
    std::vector<std::pair<QString, QString>> values;
    for (const TextBox box : {Text1, Text2, Text3, Text4, Text5, Text6}) {
        const QLineEdit& field = form1.field(box);
        values.emplace_back(field.accessibleName(), field.text());
    }
    for (const ResultLabel label :
         {ResultLabel::Label24, ResultLabel::Label25, ResultLabel::Label26, ResultLabel::Label27,
          ResultLabel::Label32}) {
        const QLabel& result = form1.result(label);
        values.emplace_back(result.accessibleName(), result.text());
    }
    return values;
}

} // namespace

void DialogMessageBox::MsgBox(const Text& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(ApplicationTitle), FromText(text),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Qt gives the separator as a string; every locale's separator is a single UTF-16 unit.
char16_t UserDecimalSeparator() {
    return QLocale::system().decimalPoint().front().unicode();
}

ConverterApp::ConverterApp(Module1& m, MessageBox& messages, SaveFileChooser& files,
                           char16_t decimalSeparator)
    : messages_(messages), decimalSeparator_(decimalSeparator), m_(m), form1_(messages),
      form2_(m_, decimalSeparator), drawing_(form2_), tools_(files, messages, decimalSeparator) {
    form2_.onWindowCreated([this](WaveformWindow& window) { connectWaveformActions(window); });
    QObject::connect(&form1_.command1(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::calculateDesign); });
    QObject::connect(&form1_.command2(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::runVerification); });
    QObject::connect(&form1_.command3(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::fillSampleData); });
}

ConverterApp::~ConverterApp() {
    delete analysis_;
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
    CalculateDesign(m_, form1_, decimalSeparator_);
}

// However the run ends, an open analysis window shows it.
void ConverterApp::runVerification() {
    ProgressObserver observer;
    const VerificationOutcome outcome =
        RunVerification(m_, {form1_, form2_, drawing_, decimalSeparator_, &observer});
    if (outcome.end == VerificationEnd::Drawn) {
        form2_.keepPlottedRun();
    }
    if (outcome.circuit) {
        checkedRun_ = CheckedRun{*outcome.circuit, outcome.NI, outcome.end};
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
    connect(WaveformAction::Analysis, &ConverterApp::openAnalysis);
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
        analysis_ = new AnalysisWindow;
        QObject::connect(form2, &WaveformWindow::closed, analysis_, &QWidget::close);
        QObject::connect(analysis_, &AnalysisWindow::saveReportRequested, analysis_,
                         [this] { handleClick(&ConverterApp::saveReport); });
    }
    updateAnalysis();
    analysis_->show();
    analysis_->raise();
    analysis_->activateWindow();
}

// The report of the run the analysis shows: with its figure and measured values when it drew
// its traces.
void ConverterApp::saveReport() {
    const std::optional<RunAnalysis> run = analyseCheckedRun();
    if (!run || !form2_.window()) {
        return;
    }
    const ReportContent content{QDateTime::currentDateTime(), DesignValues(form1_),
                                CircuitValues(run->circuit, decimalSeparator_),
                                TabulateAnalysis(*run, decimalSeparator_)};
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

void ConverterApp::updateAnalysis() {
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
        return exactOnly(FromText(MissingSimulationText(checkedRun_->end)));
    }
    std::optional<RunAnalysis> analysed;
    form2_.withPlottedRun([&](Module1& run, WaveformWindow&) {
        analysed = RunAnalysis{CircuitOf(run), AnalyseLastRun(run), {}};
    });
    return analysed;
}

RunAnalysis ConverterApp::exactOnly(const QString& missingSimulation) const {
    return {checkedRun_->circuit, AnalyseCircuit(checkedRun_->circuit, checkedRun_->NI),
            missingSimulation};
}
