#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "figure/waveform_figure.h"
#include "ui/report_document.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

class QWidget;

// A kind of file a save dialog offers: its name and its extensions without the dot, the first
// the one given to a name typed without any of them ("Pagina HTML", {"html", "htm"}).
struct FileType {
    QString name;
    QStringList extensions;
};

// The path the user chose and the type chosen with it, an index into the types offered.
struct ChosenFile {
    QString path;
    std::size_t type = 0;
};

// Asks the user where to save a file: the dialog's title, the proposed path (folder and name)
// and the file types offered, the first chosen at the start. Nothing when the user cancels.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    virtual std::optional<ChosenFile> choose(QWidget* parent, const QString& title,
                                             const QString& proposedPath,
                                             const std::vector<FileType>& types) = 0;
};

// The desktop's save dialog.
class DialogSaveFileChooser : public SaveFileChooser {
public:
    std::optional<ChosenFile> choose(QWidget* parent, const QString& title,
                                     const QString& proposedPath,
                                     const std::vector<FileType>& types) override;
};

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

private:
    std::optional<QString> chooseFile(QWidget* parent, const QString& title, const Module1& run,
                                      const std::vector<FileType>& types);
    void report(const QString& message);

    SaveFileChooser& chooser_;
    MessageBox& messages_;
    char16_t decimalSeparator_;
    QString lastFolder_;
};
