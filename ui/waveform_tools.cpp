// The waveform window's file tools: pictures, CSV, clipboard and report of the plotted run.
#include "ui/waveform_tools.h"

#include "core/csv_export.h"
#include "core/whole_file.h"
#include "figure/language.h"
#include "figure/qt_text.h"
#include "ui/progress_observer.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <filesystem>

namespace {

// `italian`, one of the tools' texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("WaveformTools", italian);
}

std::vector<FileType> NetlistTypes() {
    return {{Translate(QT_TRANSLATE_NOOP("WaveformTools", "Netlist SPICE")),
             {QStringLiteral("cir"), QStringLiteral("sp")}}};
}

std::vector<FileType> ReportTypes() {
    return {
        {Translate(QT_TRANSLATE_NOOP("WaveformTools", "Documento PDF")), {QStringLiteral("pdf")}},
        {Translate(QT_TRANSLATE_NOOP("WaveformTools", "Pagina HTML")),
         {QStringLiteral("html"), QStringLiteral("htm")}}};
}

std::filesystem::path FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

WaveformTools::WaveformTools(SaveFileChooser& chooser, MessageBox& messages,
                             char16_t decimalSeparator)
    : chooser_(chooser), messages_(messages), decimalSeparator_(decimalSeparator),
      lastFolder_(QDir::homePath()) {}

void WaveformTools::saveImage(QWidget* parent, Module1& run, const ShownPlot& shown) {
    const std::optional<QString> path =
        chooseFile(parent, Translate(QT_TRANSLATE_NOOP("WaveformTools", "Salva immagine")), run,
                   ImageFileTypes());
    if (!path) {
        return;
    }
    const qreal ratio = parent ? parent->devicePixelRatioF() : 1;
    if (const std::optional<QString> failure =
            SaveWaveformFigure(*path, run, decimalSeparator_, ratio, shown)) {
        report(*failure);
    }
}

void WaveformTools::exportCsv(QWidget* parent, Module1& run) {
    const std::optional<QString> path =
        chooseFile(parent, Translate(QT_TRANSLATE_NOOP("WaveformTools", "Esporta dati CSV")), run,
                   CsvFileTypes());
    if (!path) {
        return;
    }
    ProgressObserver observer(
        Translate(QT_TRANSLATE_NOOP("WaveformTools", "Esportazione dei dati in corso...")));
    const CsvExportResult result = ExportLastPeriodCsv(run, FilePath(*path), &observer);
    if (result.outcome == CsvExportOutcome::Failed) {
        report(FromText(result.message));
    }
}

void WaveformTools::copyImage(QWidget* parent, Module1& run, const ShownPlot& shown) {
    const qreal ratio = parent ? parent->devicePixelRatioF() : 1;
    QGuiApplication::clipboard()->setImage(
        RenderWaveformImage(run, decimalSeparator_, ratio, shown));
}

void WaveformTools::copyValues(const Module1& run) {
    QGuiApplication::clipboard()->setText(CopiedValuesText(run, decimalSeparator_));
}

void WaveformTools::saveReport(QWidget* parent, Module1& run, const ShownPlot* shown,
                               const ReportContent& content) {
    const std::optional<QString> path =
        chooseFile(parent, Translate(QT_TRANSLATE_NOOP("WaveformTools", "Salva rapporto")), run,
                   ReportTypes());
    if (!path) {
        return;
    }
    ReportFigure figure;
    QString measured;
    if (shown) {
        const qreal ratio = parent ? parent->devicePixelRatioF() : 1;
        figure = [this, &run, shown, ratio](FigureSize size) {
            return RenderWaveformImage(run, decimalSeparator_, ratio, *shown, size);
        };
        measured = SummaryValuesText(run, decimalSeparator_);
    }
    if (const std::optional<QString> failure = SaveReportFile(*path, content, measured, figure)) {
        report(*failure);
    }
}

void WaveformTools::exportNetlist(QWidget* parent, const Module1& run, const std::string& netlist) {
    const std::optional<QString> path =
        chooseFile(parent, Translate(QT_TRANSLATE_NOOP("WaveformTools", "Esporta netlist SPICE")),
                   run, NetlistTypes());
    if (!path) {
        return;
    }
    const std::filesystem::path file = FilePath(*path);
    if (const std::error_code error = WriteWholeFile(file, netlist)) {
        report(FromText(FileWriteFailure(file, FileErrorReason(error))));
    }
}

std::optional<QString> WaveformTools::chooseFile(QWidget* parent, const QString& title,
                                                 const Module1& run,
                                                 const std::vector<FileType>& types) {
    const QString name =
        QString::fromStdString(ProposedFileStem(run)) + u'.' + types.front().extensions.front();
    const std::optional<ChosenFile> chosen =
        chooser_.choose(parent, title, QDir(lastFolder_).filePath(name), types);
    if (!chosen) {
        return std::nullopt;
    }
    const QString path = PathWithExtension(*chosen, types);
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}

void WaveformTools::report(const QString& message) {
    messages_.MsgBox(ToText(message));
}
