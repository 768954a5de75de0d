// The verification report as a document: its HTML, and the PDF or HTML file written whole.
#include "ui/report_document.h"

#include "core/whole_file.h"
#include "figure/qt_text.h"
#include "figure/waveform_figure.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <string_view>
#include <system_error>

namespace {

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

QByteArray HtmlBytes(const ReportContent& content, const QString& measured, const QImage& figure) {
    const QString source = figure.isNull() ? QString() : PngDataUri(figure);
    return ReportHtml(content, measured, figure, source).toUtf8();
}

QByteArray PdfBytes(const ReportContent& content, const QString& measured, const QImage& figure) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(ReportTitle);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                    QPageLayout::Millimeter));
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, FigureResource, figure);
    document.setHtml(ReportHtml(content, measured, figure, FigureResource.toString()));
    document.print(&writer);
    return pdf;
}

std::optional<QString> ReportRefusal(const QString& path, const QString& reason) {
    return QStringLiteral("Impossibile salvare il rapporto \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

std::optional<QString> SaveReportFile(const QString& path, const ReportContent& content,
                                      const QString& measured, const QImage& figure) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("html") && suffix != QLatin1String("htm")) {
        return ReportRefusal(path, QStringLiteral("il nome deve finire con .pdf, .html o .htm"));
    }
    const QByteArray bytes =
        pdf ? PdfBytes(content, measured, figure) : HtmlBytes(content, measured, figure);
    const std::error_code error =
        WriteWholeFile(QFile::encodeName(path).toStdString(),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (error) {
        return ReportRefusal(path, FromText(FileErrorReason(error)));
    }
    return std::nullopt;
}
