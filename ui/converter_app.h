#pragma once

#include "core/analysis.h"
#include "core/handler_support.h"
#include "core/module1.h"
#include "display/screen_waveform_drawing.h"
#include "figure/waveform_figure.h"
#include "ui/analysis_window.h"
#include "ui/main_window.h"
#include "ui/waveform_window.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

// Asks the user where to save a file: the dialog's title, the proposed path (folder and name)
// and the file types offered. Nothing when the user cancels.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    virtual std::optional<QString> choose(QWidget* parent, const QString& title,
                                          const QString& proposedPath, const QString& filter) = 0;
};

// The desktop's save dialog.
class DialogSaveFileChooser : public SaveFileChooser {
public:
    std::optional<QString> choose(QWidget* parent, const QString& title,
                                  const QString& proposedPath, const QString& filter) override;
};

// The run whose traces the waveform window shows: its variables as the run left them, apart
// from the sample arrays, which stay in the shared variables (they are large). A later design
// calculation or a refused verification changes the shared variables but not the arrays, so
// what the window exports is always the run it shows.
class PlottedRun {
public:
    // Keeps m's variables; m's arrays must stay those of this run while it is used.
    explicit PlottedRun(Module1& m);

    // Calls `use` with the run's variables and the shared arrays together, then gives the
    // arrays back.
    template <typename Use> auto withSamples(Module1& shared, Use use) {
        SwapSamples(run_, shared);
        struct GiveBack {
            Module1& run;
            Module1& shared;
            ~GiveBack() { SwapSamples(run, shared); }
        } giveBack{run_, shared};
        return use(run_);
    }

private:
    static void SwapSamples(Module1& a, Module1& b);
    Module1 run_;
};

// What the verification report holds besides the run's figure and measured values: when it was
// made, the design data and results and the verification data (name and value each, as shown)
// and the analysis table.
struct ReportContent {
    QDateTime made;
    std::vector<std::pair<QString, QString>> design;
    std::vector<std::pair<QString, QString>> verification;
    AnalysisTable analysis;
};

// What the waveform window's File menu does with the run it shows. Save dialogs open in the
// folder used last while the tool runs and propose a name made from the run's data; a file
// that cannot be written is one message naming the file and the reason, and nothing else.
class WaveformTools {
public:
    WaveformTools(SaveFileChooser& chooser, MessageBox& messages, char16_t decimalSeparator);

    // Pictures show the plot as it is shown: `shown` gives its view and fitted bands.
    void saveImage(QWidget* parent, Module1& run, const ShownPlot& shown);
    void exportCsv(QWidget* parent, Module1& run);
    void copyImage(QWidget* parent, Module1& run, const ShownPlot& shown);
    void copyValues(const Module1& run);
    // The report as a PDF page set (A4) or a self-contained HTML file, as the name chosen ends
    // in .pdf or .html/.htm. `shown` is how the plot shows `run`; none when the run drew no
    // traces, and the report then has no figure and no measured values.
    void saveReport(QWidget* parent, Module1& run, const ShownPlot* shown,
                    const ReportContent& content);

private:
    std::optional<QString> chooseFile(QWidget* parent, const QString& title, const Module1& run,
                                      const QString& extension, const QString& filter);
    void report(const QString& message);

    SaveFileChooser& chooser_;
    MessageBox& messages_;
    char16_t decimalSeparator_;
    QString lastFolder_;
};

// The title of every message box and dialog.
inline constexpr char16_t ApplicationTitle[] = u"Convertitore tipo inverter";

// The handlers' messages on screen: a modal box with the text, an OK button only, no icon and
// the application's title.
class DialogMessageBox : public MessageBox {
public:
    void MsgBox(const Text& text) override;
};

// The decimal separator of the user's locale, for the numbers the tool shows.
char16_t UserDecimalSeparator();

// The whole tool: the main window and, when a verification has opened it, the waveform window,
// working on the shared converter variables. The three buttons of the main window run their
// handlers; a runtime error stops the handler with one message and the tool goes on.
//
// The waveform window's "Analisi..." opens the analysis of the last run whose inputs passed
// the checks. It is computed when the window opens and again whenever a run ends while it is
// open, never during the simulation: from the plotted run's samples when the run drew its
// traces, otherwise from the circuit the run read, its simulated column empty.
class ConverterApp {
public:
    // `m` holds the shared variables for the life of the process (its owner keeps it);
    // `messages` shows every message box and `files` asks where to save; `decimalSeparator`
    // is the user's, used in the numbers the tool shows (not in the texts it writes into the
    // verification fields).
    ConverterApp(Module1& m, MessageBox& messages, SaveFileChooser& files,
                 char16_t decimalSeparator);
    ~ConverterApp();
    ConverterApp(const ConverterApp&) = delete;
    ConverterApp& operator=(const ConverterApp&) = delete;

    MainWindow& form1() { return form1_; }
    WaveformWindowHost& form2() { return form2_; }

private:
    using Handler = void (ConverterApp::*)();
    class RunWatch;

    // How a run whose inputs passed the checks ended.
    enum class RunEnd { Drawn, Refused, Cancelled, Faulted };
    // Such a run as it read its inputs.
    struct CheckedRun {
        ConverterCircuit circuit;
        std::int32_t NI = 0;
        RunEnd end = RunEnd::Faulted;
    };

    // Runs one click's handler to its end. A long verification keeps the event loop turning,
    // and no handler may start inside another: a click that arrives meanwhile is handled once
    // the running handler has ended, in the order the clicks came.
    void handleClick(Handler handler);
    void calculateDesign();
    void runVerification();
    void verify();
    void fillSampleData();
    // The waveform window's commands run as handlers too: an export keeps the event loop
    // turning, and no run may replace the arrays it reads.
    void connectWaveformActions(WaveformWindow& window);
    void saveImage();
    void exportCsv();
    void copyImage();
    void copyValues();
    void openAnalysis();
    void saveReport();
    void updateAnalysis();
    std::optional<RunAnalysis> analyseCheckedRun();
    RunAnalysis exactOnly(const QString& missingSimulation) const;

    MessageBox& messages_;
    char16_t decimalSeparator_;
    Module1& m_;
    MainWindow form1_;
    WaveformWindowHost form2_;
    ScreenWaveformDrawing drawing_;
    WaveformTools tools_;
    std::optional<CheckedRun> checkedRun_;
    QPointer<AnalysisWindow> analysis_;
    bool handling_ = false;
    std::vector<Handler> deferred_;
};

class QProgressDialog;

// Keeps the application alive during a long task (a simulation, an export). Until `delay` has
// passed it only lets the windows repaint (clicks wait); then a modal dialog with `label`
// ("Simulazione in corso..." by default) and an "Annulla" button appears, which blocks every
// other window, so no other handler can start, and whose button stops the task.
class ProgressObserver : public SimulationObserver {
public:
    explicit ProgressObserver(QString label = QStringLiteral("Simulazione in corso..."),
                              std::chrono::milliseconds delay = std::chrono::milliseconds(500));
    ~ProgressObserver() override;
    ProgressObserver(const ProgressObserver&) = delete;
    ProgressObserver& operator=(const ProgressObserver&) = delete;

    bool keepGoing(double fractionDone) override;

private:
    void openDialog();

    QString label_;
    std::chrono::milliseconds delay_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};
