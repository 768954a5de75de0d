// The waveform window's file tools: pictures, CSV, clipboard and report of the plotted run.
#include "ui/waveform_tools.h"

#include "core/csv_export.h"
#include "core/whole_file.h"
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

const std::vector<FileType> ImageTypes{
    {QStringLiteral("Immagine PNG"), {QStringLiteral("png")}},
    {QStringLiteral("Immagine vettoriale SVG"), {QStringLiteral("svg")}}};
const std::vector<FileType> TableTypes{{QStringLiteral("Dati CSV"), {QStringLiteral("csv")}}};
const std::vector<FileType> NetlistTypes{
    {QStringLiteral("Netlist SPICE"), {QStringLiteral("cir"), QStringLiteral("sp")}}};
const std::vector<FileType> ReportTypes{
    {QStringLiteral("Documento PDF"), {QStringLiteral("pdf")}},
    {QStringLiteral("Pagina HTML"), {QStringLiteral("html"), QStringLiteral("htm")}}};

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
        chooseFile(parent, QStringLiteral("Salva immagine"), run, ImageTypes);
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
        chooseFile(parent, QStringLiteral("Esporta dati CSV"), run, TableTypes);
    if (!path) {
        return;
    }
    ProgressObserver observer(QStringLiteral("Esportazione dei dati in corso..."));
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
        chooseFile(parent, QStringLiteral("Salva rapporto"), run, ReportTypes);
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
        chooseFile(parent, QStringLiteral("Esporta netlist SPICE"), run, NetlistTypes);
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
