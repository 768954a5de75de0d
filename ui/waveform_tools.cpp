#include "ui/waveform_tools.h"

#include "core/csv_export.h"
#include "ui/progress_observer.h"
#include "ui/waveform_figure.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>
#include <utility>

std::optional<QString> DialogSaveFileChooser::choose(QWidget* parent, const QString& title,
                                                     const QString& proposedPath,
                                                     const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent, title, proposedPath, filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

PlottedRun::PlottedRun(Module1& m) {
    SwapSamples(run_, m);
    Module1 variables = m;
    SwapSamples(run_, m);
    std::swap(run_, variables);
}

void PlottedRun::SwapSamples(Module1& a, Module1& b) {
    a.iL_t.swap(b.iL_t);
    a.Vo_t.swap(b.Vo_t);
    a.iC_t.swap(b.iC_t);
    a.id_t.swap(b.id_t);
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
        report(QString::fromStdU16String(result.message));
    }
}

void WaveformTools::copyImage(QWidget* parent, Module1& run, const ShownPlot& shown) {
    const qreal ratio = parent ? parent->devicePixelRatioF() : 1;
    QGuiApplication::clipboard()->setImage(
        RenderWaveformImage(run, decimalSeparator_, ratio, shown));
}

void WaveformTools::copyValues(const Module1& run) {
    QGuiApplication::clipboard()->setText(SummaryValuesText(run, decimalSeparator_));
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
    messages_.MsgBox(message.toStdU16String());
}
