// The waveform window's file tools: pictures, CSV, clipboard and report of the plotted run.
#include "ui/waveform_tools.h"

#include "core/csv_export.h"
#include "figure/qt_text.h"
#include "ui/progress_observer.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>
#include <filesystem>

std::optional<QString> DialogSaveFileChooser::choose(QWidget* parent, const QString& title,
                                                     const QString& proposedPath,
                                                     const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent, title, proposedPath, filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

WaveformTools::WaveformTools(SaveFileChooser& chooser, MessageBox& messages,
                             char16_t decimalSeparator)
    : chooser_(chooser), messages_(messages), decimalSeparator_(decimalSeparator),
      lastFolder_(QDir::homePath()) {}

void WaveformTools::saveImage(QWidget* parent, Module1& run, const ShownPlot& shown) {
    const std::optional<QString> path =
        chooseFile(parent, QStringLiteral("Salva immagine"), run, QStringLiteral(".png"),
                   QStringLiteral("Immagine PNG (*.png);;Immagine vettoriale SVG (*.svg)"));
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
        chooseFile(parent, QStringLiteral("Esporta dati CSV"), run, QStringLiteral(".csv"),
                   QStringLiteral("Dati CSV (*.csv)"));
    if (!path) {
        return;
    }
    ProgressObserver observer(QStringLiteral("Esportazione dei dati in corso..."));
    const CsvExportResult result =
        ExportLastPeriodCsv(run, std::filesystem::path(path->toStdString()), &observer);
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
        chooseFile(parent, QStringLiteral("Salva rapporto"), run, QStringLiteral(".pdf"),
                   QStringLiteral("Documento PDF (*.pdf);;Pagina HTML (*.html *.htm)"));
    if (!path) {
        return;
    }
    QImage figure;
    QString measured;
    if (shown) {
        const qreal ratio = parent ? parent->devicePixelRatioF() : 1;
        figure = RenderWaveformImage(run, decimalSeparator_, ratio, *shown);
        measured = SummaryValuesText(run, decimalSeparator_);
    }
    if (const std::optional<QString> failure = SaveReportFile(*path, content, measured, figure)) {
        report(*failure);
    }
}

std::optional<QString> WaveformTools::chooseFile(QWidget* parent, const QString& title,
                                                 const Module1& run, const QString& extension,
                                                 const QString& filter) {
    const QString name = QString::fromStdString(ProposedFileStem(run)) + extension;
    const std::optional<QString> path =
        chooser_.choose(parent, title, QDir(lastFolder_).filePath(name), filter);
    if (path) {
        lastFolder_ = QFileInfo(*path).absolutePath();
    }
    return path;
}

void WaveformTools::report(const QString& message) {
    messages_.MsgBox(ToText(message));
}
