#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "figure/waveform_figure.h"
#include "ui/report_document.h"
#include "ui/save_dialog.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

// What the waveform window's File menu does with the run it shows. Save dialogs open in the
// folder used last while the tool runs and propose a name made from the run's data; a name
// that does not end in one of the extensions offered gets the one of the type chosen
// ("figura" saved as SVG is "figura.svg"). Every file is written whole (see WholeFile); one
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

    // The netlist of the run's circuit, for a circuit simulator.
    void exportNetlist(QWidget* parent, const Module1& run, const std::string& netlist);

private:
    std::optional<QString> chooseFile(QWidget* parent, const QString& title, const Module1& run,
                                      const std::vector<FileType>& types);
    void report(const QString& message);

    SaveFileChooser& chooser_;
    MessageBox& messages_;
    char16_t decimalSeparator_;
    QString lastFolder_;
};
