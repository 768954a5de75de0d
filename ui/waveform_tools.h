#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "ui/analysis_window.h"
#include "ui/waveform_figure.h"

#include <QDateTime>
#include <QString>
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
