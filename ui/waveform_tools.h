#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "figure/waveform_figure.h"
#include "ui/report_document.h"

#include <QString>
#include <optional>

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
