#include "ui/converter_app.h"

#include "core/csv_export.h"
#include "core/design_calculation.h"
#include "core/handler_support.h"
#include "core/verification.h"
#include "figure/waveform_figure.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

// The design fields and results of the main window as shown, each by its accessible name.
std::vector<std::pair<QString, QString>> DesignValues(const MainWindow& form1) {
    std::vector<std::pair<QString, QString>> values;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
        if (const auto* field = form1.findChild<QLineEdit*>(QString::fromLatin1(name))) {
            values.emplace_back(field->accessibleName(), field->text());
        }
    }
    for (const char* name : {"Label24", "Label25", "Label26", "Label27", "Label32"}) {
        if (const auto* result = form1.findChild<QLabel*>(QString::fromLatin1(name))) {
            values.emplace_back(result->accessibleName(), result->text());
        }
    }
    return values;
}

const QString ReportTitle =
    QStringLiteral("Rapporto di verifica \u2014 Convertitore tipo inverter");
// The figure's name inside the PDF's document.
const QUrl FigureResource(QStringLiteral("figura.png"));
// The widest the figure is drawn, in the document's pixels: the width of an A4 page inside
// its margins.
constexpr int FigureWidth = 640;
constexpr qreal PageMarginMm = 15;

QString NameValueTable(const std::vector<std::pair<QString, QString>>& entries) {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    for (const auto& [name, value] : entries) {
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                    .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

QString AnalysisHtml(const AnalysisTable& analysis) {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (const QString& title : analysis.titles) {
        html += QStringLiteral("<th>%1</th>").arg(title.toHtmlEscaped());
    }
    html += QStringLiteral("</tr>");
    for (const QStringList& row : analysis.rows) {
        html += QStringLiteral("<tr><td>%1</td>").arg(row.value(0).toHtmlEscaped());
        for (qsizetype c = 1; c < row.size(); ++c) {
            html += QStringLiteral("<td align=\"right\">%1</td>").arg(row[c].toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table><p>%1</p>").arg(analysis.mode.toHtmlEscaped());
}

QString WarningsHtml(const QStringList& warnings) {
    if (warnings.isEmpty()) {
        return QStringLiteral("<p>Nessun avviso.</p>");
    }
    QString html = QStringLiteral("<ul>");
    for (const QString& warning : warnings) {
        html += QStringLiteral("<li>%1</li>").arg(warning.toHtmlEscaped());
    }
    return html + QStringLiteral("</ul>");
}

// The figure's picture at its own width, narrowed to the page's.
QString FigureHtml(const QImage& figure, const QString& source) {
    if (figure.isNull()) {
        return QStringLiteral("<p>Nessuna forma d'onda: la simulazione non ha tracciato le "
                              "tracce.</p>");
    }
    const int width = std::min(FigureWidth, qRound(figure.deviceIndependentSize().width()));
    return QStringLiteral("<p><img src=\"%1\" width=\"%2\" alt=\"Forme d'onda\"></p>")
        .arg(source)
        .arg(width);
}

// The whole report; `figureSource` is where the document finds the figure.
QString ReportHtml(const ReportContent& content, const QString& measured, const QImage& figure,
                   const QString& figureSource) {
    const QString made = QLocale(QLocale::Italian, QLocale::Italy)
                             .toString(content.made, QStringLiteral("d MMMM yyyy, HH:mm"));
    QString html = QStringLiteral("<!DOCTYPE html><html lang=\"it\"><head><meta charset=\"utf-8\">"
                                  "<title>%1</title></head><body><h1>%1</h1><p>%2</p>")
                       .arg(ReportTitle.toHtmlEscaped(), made.toHtmlEscaped());
    html +=
        QStringLiteral("<h2>Dati di progetto e risultati</h2>") + NameValueTable(content.design);
    html += QStringLiteral("<h2>Dati di verifica e valori misurati</h2>") +
            NameValueTable(content.verification);
    if (!measured.isEmpty()) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(measured.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
    }
    html += QStringLiteral("<h2>Analisi</h2>") + AnalysisHtml(content.analysis);
    html += QStringLiteral("<h2>Forme d'onda</h2>") + FigureHtml(figure, figureSource);
    html += QStringLiteral("<h2>Avvisi</h2>") + WarningsHtml(content.analysis.warnings);
    return html + QStringLiteral("</body></html>");
}

QString PngDataUri(const QImage& figure) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    figure.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

bool WriteHtml(QSaveFile& file, const ReportContent& content, const QString& measured,
               const QImage& figure) {
    const QString source = figure.isNull() ? QString() : PngDataUri(figure);
    const QByteArray html = ReportHtml(content, measured, figure, source).toUtf8();
    return file.write(html) == html.size();
}

bool WritePdf(QSaveFile& file, const ReportContent& content, const QString& measured,
              const QImage& figure) {
    QPdfWriter writer(&file);
    writer.setTitle(ReportTitle);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                    QPageLayout::Millimeter));
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, FigureResource, figure);
    document.setHtml(ReportHtml(content, measured, figure, FigureResource.toString()));
    document.print(&writer);
    return file.error() == QFileDevice::NoError;
}

std::optional<QString> ReportRefusal(const QString& path, const QString& reason) {
    return QStringLiteral("Impossibile salvare il rapporto \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// Written beside the target and renamed at the end: whole or not at all.
std::optional<QString> SaveReportFile(const QString& path, const ReportContent& content,
                                      const QString& measured, const QImage& figure) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("html") && suffix != QLatin1String("htm")) {
        return ReportRefusal(path, QStringLiteral("il nome deve finire con .pdf, .html o .htm"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return ReportRefusal(path, WriteFailureReason(path, file));
    }
    const bool written = pdf ? WritePdf(file, content, measured, figure)
                             : WriteHtml(file, content, measured, figure);
    if (!written || !file.commit()) {
        return ReportRefusal(path, WriteFailureReason(path, file));
    }
    return std::nullopt;
}

// Steps of the progress bar.
constexpr int fullScale = 1000;

// Lets through, of the user's input, only what presses a button. Input reaches a window
// first, which passes it on to the control under the pointer or with the focus.
class ButtonInputOnly : public QObject {
protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool toButton =
            receiver->isWindowType() || qobject_cast<QAbstractButton*>(receiver) != nullptr;
        return dynamic_cast<QInputEvent*>(event) != nullptr && !toButton;
    }
};

// Until the dialog opens, the window system holds the user's input back. The modal dialog
// would then swallow it all, so a button pressed meanwhile is delivered first: its click waits
// for the running handler to end. Other input, such as the pointer moving over a plot whose
// arrays are being rewritten, is dropped, as the dialog would drop it.
void DeliverHeldButtonPresses() {
    ButtonInputOnly filter;
    QCoreApplication::instance()->installEventFilter(&filter);
    // The loop looks at the window system's queue again only once woken: input it held back
    // leaves no trace that it still waits.
    QAbstractEventDispatcher::instance()->wakeUp();
    QCoreApplication::processEvents();
    QCoreApplication::instance()->removeEventFilter(&filter);
}

} // namespace

// Passes the verification's calls on to the waveform window and notes how far the run got.
class ConverterApp::RunWatch : public WaveformWindowOperations {
public:
    explicit RunWatch(ConverterApp& app) : app_(app) {}

    bool began() const { return began_; }

    void obtainForm2() override { app_.form2_.obtainForm2(); }
    // The inputs have passed the checks; until the run ends otherwise, an error ended it.
    void resetPlot() override {
        app_.form2_.resetPlot();
        app_.checkedRun_ = CheckedRun{CircuitOf(app_.m_), app_.m_.NI, RunEnd::Faulted};
        began_ = true;
    }
    void setCaption(SummaryLabel label, const Text& caption) override {
        app_.form2_.setCaption(label, caption);
    }
    void showCancelled() override {
        app_.form2_.showCancelled();
        app_.checkedRun_->end = RunEnd::Cancelled;
    }

private:
    ConverterApp& app_;
    bool began_ = false;
};

void DialogMessageBox::MsgBox(const Text& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(ApplicationTitle),
                    QString::fromStdU16String(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Qt gives the separator as a string; every locale's separator is a single UTF-16 unit.
char16_t UserDecimalSeparator() {
    return QLocale::system().decimalPoint().front().unicode();
}

ConverterApp::ConverterApp(Module1& m, MessageBox& messages, SaveFileChooser& files,
                           char16_t decimalSeparator)
    : messages_(messages), decimalSeparator_(decimalSeparator), m_(m), form1_(messages),
      form2_(m_, decimalSeparator), drawing_(form2_), tools_(files, messages, decimalSeparator) {
    form2_.onWindowCreated([this](WaveformWindow& window) { connectWaveformActions(window); });
    QObject::connect(&form1_.command1(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::calculateDesign); });
    QObject::connect(&form1_.command2(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::runVerification); });
    QObject::connect(&form1_.command3(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::fillSampleData); });
}

ConverterApp::~ConverterApp() {
    delete analysis_;
}

void ConverterApp::handleClick(Handler handler) {
    if (handling_) {
        deferred_.push_back(handler);
        return;
    }
    handling_ = true;
    RunGuarded(messages_, [this, handler] { (this->*handler)(); });
    handling_ = false;
    // Posted rather than run here, so that the windows first show how the last handler ended.
    for (Handler next : std::exchange(deferred_, {})) {
        QMetaObject::invokeMethod(
            &form1_, [this, next] { handleClick(next); }, Qt::QueuedConnection);
    }
}

void ConverterApp::calculateDesign() {
    CalculateDesign(m_, form1_, decimalSeparator_);
}

// However the run ends, an open analysis window shows it.
void ConverterApp::runVerification() {
    try {
        verify();
    } catch (...) {
        updateAnalysis();
        throw;
    }
    updateAnalysis();
}

void ConverterApp::verify() {
    ProgressObserver observer;
    RunWatch watch(*this);
    const bool drawn = RunVerification(m_, {form1_, watch, drawing_, decimalSeparator_, &observer});
    if (drawn) {
        form2_.keepPlottedRun();
    }
    if (watch.began() && checkedRun_->end == RunEnd::Faulted) {
        checkedRun_->end = drawn ? RunEnd::Drawn : RunEnd::Refused;
    }
}

void ConverterApp::fillSampleData() {
    FillSampleData(form1_);
}

void ConverterApp::connectWaveformActions(WaveformWindow& window) {
    const auto connect = [&](WaveformAction which, Handler handler) {
        QObject::connect(&window.action(which), &QAction::triggered, &window,
                         [this, handler] { handleClick(handler); });
    };
    connect(WaveformAction::SaveImage, &ConverterApp::saveImage);
    connect(WaveformAction::ExportCsv, &ConverterApp::exportCsv);
    connect(WaveformAction::CopyImage, &ConverterApp::copyImage);
    connect(WaveformAction::CopyValues, &ConverterApp::copyValues);
    connect(WaveformAction::SaveReport, &ConverterApp::saveReport);
    connect(WaveformAction::Analysis, &ConverterApp::openAnalysis);
}

void ConverterApp::saveImage() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow& window) {
        tools_.saveImage(&window, run, form2_.shownPlot());
    });
}

void ConverterApp::exportCsv() {
    form2_.withPlottedRun(
        [this](Module1& run, WaveformWindow& window) { tools_.exportCsv(&window, run); });
}

void ConverterApp::copyImage() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow& window) {
        tools_.copyImage(&window, run, form2_.shownPlot());
    });
}

void ConverterApp::copyValues() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow&) { tools_.copyValues(run); });
}

// The analysis window follows the waveform window and closes with it.
void ConverterApp::openAnalysis() {
    WaveformWindow* form2 = form2_.window();
    if (!form2) {
        return;
    }
    if (!analysis_) {
        analysis_ = new AnalysisWindow;
        QObject::connect(form2, &WaveformWindow::closed, analysis_, &QWidget::close);
        QObject::connect(analysis_, &AnalysisWindow::saveReportRequested, analysis_,
                         [this] { handleClick(&ConverterApp::saveReport); });
    }
    updateAnalysis();
    analysis_->show();
    analysis_->raise();
    analysis_->activateWindow();
}

// The report of the run the analysis shows: with its figure and measured values when it drew
// its traces.
void ConverterApp::saveReport() {
    const std::optional<RunAnalysis> run = analyseCheckedRun();
    if (!run || !form2_.window()) {
        return;
    }
    const ReportContent content{QDateTime::currentDateTime(), DesignValues(form1_),
                                CircuitValues(run->circuit, decimalSeparator_),
                                TabulateAnalysis(*run, decimalSeparator_)};
    bool plotted = false;
    form2_.withPlottedRun([&](Module1& plottedRun, WaveformWindow& window) {
        plotted = true;
        const ShownPlot shown = form2_.shownPlot();
        tools_.saveReport(&window, plottedRun, &shown, content);
    });
    if (!plotted) {
        tools_.saveReport(form2_.window(), m_, nullptr, content);
    }
}

void ConverterApp::updateAnalysis() {
    if (!analysis_) {
        return;
    }
    if (const std::optional<RunAnalysis> run = analyseCheckedRun()) {
        analysis_->showAnalysis(*run, decimalSeparator_);
    }
}

std::optional<RunAnalysis> ConverterApp::analyseCheckedRun() {
    if (!checkedRun_) {
        return std::nullopt;
    }
    const auto missing = [](const char* why) {
        return QStringLiteral("Colonna simulata vuota: ") + QString::fromUtf8(why);
    };
    switch (checkedRun_->end) {
    case RunEnd::Drawn: {
        std::optional<RunAnalysis> analysed;
        form2_.withPlottedRun([&](Module1& run, WaveformWindow&) {
            analysed = RunAnalysis{CircuitOf(run), AnalyseLastRun(run, decimalSeparator_), {}};
        });
        return analysed;
    }
    case RunEnd::Refused:
        return exactOnly(missing("la simulazione è stata rifiutata dal controllo di conduzione."));
    case RunEnd::Cancelled:
        return exactOnly(missing("la simulazione è stata annullata."));
    case RunEnd::Faulted:
        return exactOnly(missing("la simulazione si è interrotta per un errore."));
    }
    return std::nullopt;
}

RunAnalysis ConverterApp::exactOnly(const QString& missingSimulation) const {
    return {checkedRun_->circuit,
            AnalyseCircuit(checkedRun_->circuit, checkedRun_->NI, decimalSeparator_),
            missingSimulation};
}

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
    messages_.MsgBox(message.toStdU16String());
}

ProgressObserver::ProgressObserver(QString label, std::chrono::milliseconds delay)
    : label_(std::move(label)), delay_(delay) {
    clock_.start();
}

ProgressObserver::~ProgressObserver() = default;

bool ProgressObserver::keepGoing(double fractionDone) {
    if (!dialog_ && clock_.elapsed() >= delay_.count()) {
        openDialog();
    }
    if (!dialog_) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    dialog_->setValue(qRound(fractionDone * fullScale));
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void ProgressObserver::openDialog() {
    DeliverHeldButtonPresses();
    dialog_ = std::make_unique<QProgressDialog>(label_, QStringLiteral("Annulla"), 0, fullScale);
    dialog_->setObjectName(QStringLiteral("SimulationProgress"));
    dialog_->setWindowTitle(QString::fromUtf16(ApplicationTitle));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->show();
}
