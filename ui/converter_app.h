#pragma once

#include "core/analysis.h"
#include "core/handler_support.h"
#include "core/module1.h"
#include "core/verification.h"
#include "display/screen_waveform_drawing.h"
#include "ui/analysis_window.h"
#include "ui/frequency_response_window.h"
#include "ui/main_window.h"
#include "ui/standard_values_dialog.h"
#include "ui/tolerance_window.h"
#include "ui/waveform_tools.h"
#include "ui/waveform_window_host.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The handlers' messages on screen: a modal box with the text, an OK button only, no icon and
// the application's title.
class DialogMessageBox : public MessageBox {
public:
    void MsgBox(const Text& text) override;
};

// The decimal separator of the user's locale, for the numbers the tool shows.
char16_t UserDecimalSeparator();

// The whole tool: the main window (with Progetto > "Valori normalizzati..." once a design has
// completed) and, when a verification has opened it, the waveform window,
// working on the shared converter variables. The three buttons of the main window run their
// handlers; a runtime error stops the handler with one message and the tool goes on.
//
// The waveform window's "Analisi..." opens the analysis of the last run whose inputs passed
// the checks; "Tolleranze..." and "Risposta in frequenza..." the tolerance analysis and the
// frequency response of its circuit with the real parts remembered. It is computed when the window
// opens and again whenever a run ends while it is open, never during the simulation: from the
// plotted run's samples when the run drew its traces, otherwise from the circuit the run read, its
// simulated column empty.
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

    // A run whose inputs passed the checks, as it read them and as it ended, with the
    // verification fields' texts as they were typed for it.
    struct CheckedRun {
        ConverterCircuit circuit;
        std::int32_t N = 0;
        std::int32_t NP = 0;
        std::int32_t NI = 0;
        VerificationEnd end = VerificationEnd::Faulted;
        QStringList typed; // in the window's order, top to bottom
    };

    // Runs one click's handler to its end. A long verification keeps the event loop turning,
    // and no handler may start inside another: a click that arrives meanwhile is handled once
    // the running handler has ended, in the order the clicks came.
    void handleClick(Handler handler);
    void calculateDesign();
    void runVerification();
    void fillSampleData();
    void openStandardValues();
    void useStandardValues(double LMicro, double CMicro);
    // The waveform window's commands run as handlers too: an export keeps the event loop
    // turning, and no run may replace the arrays it reads.
    void connectWaveformActions(WaveformWindow& window);
    void saveImage();
    void exportCsv();
    void copyImage();
    void copyValues();
    void openAnalysis();
    void openFrequencyResponse();
    void openTolerances();
    void saveReport();
    void exportNetlist();
    void addRealParts(ReportContent& content, const ConverterCircuit& circuit);
    void updateAnalysis();
    std::optional<RunAnalysis> analyseCheckedRun();
    RunAnalysis exactOnly(VerificationEnd end) const;

    MessageBox& messages_;
    SaveFileChooser& files_;
    char16_t decimalSeparator_;
    Module1& m_;
    MainWindow form1_;
    WaveformWindowHost form2_;
    ScreenWaveformDrawing drawing_;
    WaveformTools tools_;
    std::optional<CheckedRun> checkedRun_;
    std::optional<CompletedDesign> design_;
    QPointer<AnalysisWindow> analysis_;
    QPointer<FrequencyResponseWindow> frequencyResponse_;
    QPointer<ToleranceWindow> tolerances_;
    bool handling_ = false;
    std::vector<Handler> deferred_;
};
