// The verification report as a document: its HTML, and the PDF or HTML file written whole.
#include "ui/report_document.h"

#include "core/whole_file.h"
#include "figure/language.h"
#include "figure/qt_text.h"

#include <QAbstractTextDocumentLayout>
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
#include <QtMath>
#include <array>
#include <functional>
#include <string_view>
#include <system_error>

namespace {

// `italian`, one of the report's own texts, in the language in use.
QString ReportText(const char* italian) {
    return Translated("ReportDocument", italian);
}

QString ReportTitle() {
    return ReportText(
        QT_TRANSLATE_NOOP("ReportDocument", "Rapporto di verifica — Convertitore tipo inverter"));
}

// The language of the document's texts, for the readers and the screen readers of the HTML.
QString LanguageCode() {
    return LanguageInUse() == Language::English ? QStringLiteral("en") : QStringLiteral("it");
}

// The date with its month's name in the language in use.
QString MadeText(const QDateTime& made) {
    const QLocale locale = LanguageInUse() == Language::English
                               ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                               : QLocale(QLocale::Italian, QLocale::Italy);
    return locale.toString(made, QStringLiteral("d MMMM yyyy, HH:mm"));
}

// The figure's name inside the PDF's document.
const QUrl FigureResource(QStringLiteral("figura.png"));
constexpr qreal PageMarginMm = 15;
// The document's unit, a CSS pixel, in printed points: the style's sizes are in pixels, so
// that the page prints them at the same size on any screen.
constexpr qreal PointsPerPixel = 0.75;

// Sizes in pixels: 13 px prints at 9.75 pt, the tables' 12 px at 9 pt.
const QString Style = QStringLiteral(
    "body { font-family: 'Liberation Sans', Arial, sans-serif; font-size: 13px; "
    "max-width: 1320px; }\n"
    "h1 { font-size: 20px; margin: 0 0 2px 0; }\n"
    "h2 { font-size: 15px; color: #1f3a68; margin: 14px 0 4px 0; }\n"
    "h3 { font-size: 13px; margin: 10px 0 4px 0; }\n"
    "p { margin: 4px 0; }\n"
    "table.valori { border-collapse: collapse; font-size: 12px; }\n"
    "table.valori th, table.valori td { border: 1px solid #a0a0a0; padding: 2px 5px; }\n"
    "table.valori th { background-color: #e6ebf5; }\n"
    "td.nome { white-space: nowrap; }\n"
    "td.numero { text-align: right; white-space: nowrap; }\n"
    "td.colonna { font-weight: bold; white-space: nowrap; vertical-align: top; }\n"
    "td.riquadro { vertical-align: top; padding: 0 28px 0 0; }\n"
    "h2.analisi { page-break-before: always; }\n"
    "img.figura { width: 100%; height: auto; }\n");

// The share of the page's width of each number column of the analysis; a column left empty
// still fits its title's longest word, and the quantities' column keeps the rest.
constexpr int NumberColumnPercent = 11;

// What each column of the analysis is and what it is held against, by its Italian title.
struct ColumnMeaning {
    const char* title;
    const char* meaning;
};

constexpr std::array<ColumnMeaning, 7> ColumnMeanings{{
    {"Grandezza", QT_TRANSLATE_NOOP("ReportDocument",
                                    "la grandezza del periodo o la sollecitazione del componente, "
                                    "con la sua unità di misura.")},
    {"Simulata",
     QT_TRANSLATE_NOOP(
         "ReportDocument",
         "misurata sull'ultimo dei NI periodi simulati (Eulero esplicito con il passo "
         "dt, N campioni per periodo, partendo da induttore e condensatore scarichi).")},
    {"Esatta a NI",
     QT_TRANSLATE_NOOP("ReportDocument",
                       "soluzione esatta del circuito ideale allo stesso periodo NI, dalla stessa "
                       "partenza, con il diodo che si blocca quando la corrente nell'induttore si "
                       "annulla: è il riferimento dello scarto.")},
    {"Esatta senza blocco",
     QT_TRANSLATE_NOOP("ReportDocument",
                       "soluzione esatta del modello simulato, in cui il diodo non si blocca, allo "
                       "stesso periodo NI: la Simulata ne differisce per l'errore del passo, "
                       "l'Esatta a NI per il blocco del diodo.")},
    {"Esatta a regime",
     QT_TRANSLATE_NOOP("ReportDocument",
                       "regime periodico esatto del circuito ideale, con il blocco del diodo: "
                       "l'Esatta a NI ne differisce finché l'avvio non si è esaurito.")},
    {"Formula di progetto",
     QT_TRANSLATE_NOOP(
         "ReportDocument",
         "le formule di progetto in forma chiusa, calcolate con i dati di verifica.")},
    {"Scarto %",
     QT_TRANSLATE_NOOP("ReportDocument",
                       "(Simulata − Esatta a NI) / Esatta a NI, in per cento; dove l'Esatta a NI è "
                       "zero, la differenza è divisa per la corrente di picco.")},
}};

// The column's title as the analysis window shows it in the language in use.
QString ShownTitle(const ColumnMeaning& column) {
    return Translated("AnalysisWindow", column.title);
}

QString EmptyCells() {
    return ReportText(QT_TRANSLATE_NOOP(
        "ReportDocument",
        "Una cella vuota: le colonne esatte non danno in forma chiusa i valori efficaci (RMS), la "
        "media della corrente nell'induttore né il picco della corrente nel condensatore; lo "
        "scarto è dato solo per le grandezze del periodo; Simulata e Scarto % restano vuote "
        "quando la simulazione non ha un periodo da confrontare (il motivo è tra gli avvisi); "
        "ogni cella resta vuota quando il valore non si può scrivere come numero."));
}

QString NameValueTable(const std::vector<std::pair<QString, QString>>& entries) {
    QString html = QStringLiteral("<table class=\"valori\" border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\">");
    for (const auto& [name, value] : entries) {
        html += QStringLiteral("<tr><td class=\"nome\">%1</td><td class=\"numero\">%2</td></tr>")
                    .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

// The inputs beside each other: the design on the left, the verification and the simulation
// on the right.
QString InputsHtml(const ReportContent& content) {
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>"
                          "<td class=\"riquadro\" valign=\"top\"><h2>%1</h2>%2</td>"
                          "<td class=\"riquadro\" valign=\"top\"><h2>%3</h2>%4<h2>%5</h2>%6</td>"
                          "</tr></table>")
        .arg(ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Dati di progetto e risultati")),
             NameValueTable(content.design),
             ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Dati di verifica, come digitati")),
             NameValueTable(content.verification),
             ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Simulazione")),
             NameValueTable(content.simulation));
}

// A table with a header row, names left and numbers right.
QString ResultTableHtml(const QStringList& titles, const std::vector<QStringList>& rows) {
    QString html = QStringLiteral("<table class=\"valori\" border=\"1\" cellspacing=\"0\" "
                                  "cellpadding=\"3\"><thead><tr>");
    for (const QString& title : titles) {
        html += QStringLiteral("<th>%1</th>").arg(title.toHtmlEscaped());
    }
    html += QStringLiteral("</tr></thead><tbody>");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr><td class=\"nome\">%1</td>").arg(row.value(0).toHtmlEscaped());
        for (qsizetype c = 1; c < row.size(); ++c) {
            html += QStringLiteral("<td class=\"numero\">%1</td>").arg(row[c].toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table>");
}

// An image as an element of the document, described by `alt`.
using ImageElement = std::function<QString(const QImage& image, const QString& alt)>;

QString LinesHtml(const QStringList& lines) {
    QString html;
    for (const QString& line : lines) {
        html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
    }
    return html;
}

// A section's heading, in the language in use.
QString Heading(const char* italian) {
    return QStringLiteral("<h2>%1</h2>").arg(ReportText(italian));
}

// The model's lines, the compensator's and the two Bode charts.
QString FrequencyResponseHtml(const ReportContent& content, const ImageElement& image) {
    if (!content.frequencyResponse) {
        return {};
    }
    const FrequencyResponseReport& response = *content.frequencyResponse;
    QString html = Heading(QT_TRANSLATE_NOOP("ReportDocument", "Risposta in frequenza")) +
                   LinesHtml(response.model);
    if (!response.compensator.isEmpty()) {
        html += QStringLiteral("<h3>%1</h3>")
                    .arg(ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Compensatore"))) +
                LinesHtml(response.compensator);
    }
    return html +
           image(response.magnitude,
                 ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Diagramma di Bode, modulo"))) +
           image(response.phase,
                 ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Diagramma di Bode, fase")));
}

// The inputs, the table of the quantities, the yield and a histogram a quantity.
QString TolerancesHtml(const ReportContent& content, const ImageElement& image);

// The parts as typed, their losses, the power books, the steady state with them and the
// efficiency chart.
QString RealPartsHtml(const ReportContent& content, const ImageElement& image) {
    if (!content.realParts) {
        return {};
    }
    const RealPartsTable& table = *content.realParts;
    const char* const efficiency =
        QT_TRANSLATE_NOOP("ReportDocument", "Rendimento e perdite al variare del carico");
    return Heading(QT_TRANSLATE_NOOP("ReportDocument", "Componenti reali")) +
           NameValueTable(content.parts) + Heading(QT_TRANSLATE_NOOP("ReportDocument", "Perdite")) +
           ResultTableHtml(table.lossTitles, table.lossRows) + NameValueTable(table.books) +
           Heading(QT_TRANSLATE_NOOP("ReportDocument", "Regime con i componenti reali")) +
           ResultTableHtml(table.steadyTitles, table.steadyRows) + Heading(efficiency) +
           image(content.efficiencyChart, ReportText(efficiency));
}

// The table's header is its own part, so that a page that breaks the table repeats it.
QString AnalysisHtml(const AnalysisTable& analysis) {
    QString html = QStringLiteral("<table class=\"valori\" width=\"100%\" border=\"1\" "
                                  "cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
    for (qsizetype c = 0; c < analysis.titles.size(); ++c) {
        html +=
            QStringLiteral("<th%1>%2</th>")
                .arg(c == 0 ? QString() : QStringLiteral(" width=\"%1%\"").arg(NumberColumnPercent),
                     analysis.titles[c].toHtmlEscaped());
    }
    html += QStringLiteral("</tr></thead><tbody>");
    for (const QStringList& row : analysis.rows) {
        html += QStringLiteral("<tr><td class=\"nome\">%1</td>").arg(row.value(0).toHtmlEscaped());
        for (qsizetype c = 1; c < row.size(); ++c) {
            html += QStringLiteral("<td class=\"numero\">%1</td>").arg(row[c].toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table><p>%1</p>").arg(analysis.mode.toHtmlEscaped());
}

QString LegendHtml(const QStringList& titles, bool onNewPage) {
    QString html =
        QStringLiteral("<h3%1>%2</h3><table cellspacing=\"0\" cellpadding=\"2\">")
            .arg(onNewPage ? QStringLiteral(" style=\"page-break-before: always\"") : QString(),
                 ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Legenda delle colonne")));
    for (const QString& title : titles) {
        for (const ColumnMeaning& column : ColumnMeanings) {
            if (title == ShownTitle(column)) {
                html += QStringLiteral("<tr><td class=\"colonna\" valign=\"top\">%1</td>"
                                       "<td>%2</td></tr>")
                            .arg(title.toHtmlEscaped(), ReportText(column.meaning));
            }
        }
    }
    return html + QStringLiteral("</table><p>%1</p>").arg(EmptyCells());
}

QString WarningsHtml(const QStringList& warnings) {
    if (warnings.isEmpty()) {
        return QStringLiteral("<p>%1</p>")
            .arg(ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Nessun avviso.")));
    }
    QString html = QStringLiteral("<ul>");
    for (const QString& warning : warnings) {
        html += QStringLiteral("<li>%1</li>").arg(warning.toHtmlEscaped());
    }
    return html + QStringLiteral("</ul>");
}

QString MeasuredHtml(const QString& measured) {
    if (measured.isEmpty()) {
        return {};
    }
    return QStringLiteral("<p>%1</p>")
        .arg(measured.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
}

// The whole report; `figure` is the figure's element, or the line that says there is none.
// The legend, last, starts a page of its own when asked.
QString ReportHtml(const ReportContent& content, const QString& measured, const QString& figure,
                   const ImageElement& image, bool legendOnNewPage = false) {
    const QString made = ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Data del rapporto: %1"))
                             .arg(MadeText(content.made));
    QString html =
        QStringLiteral("<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"utf-8\">"
                       "<title>%2</title><style>\n%3</style></head><body><h1>%2</h1>"
                       "<p>%4</p>")
            .arg(LanguageCode(), ReportTitle().toHtmlEscaped(), Style, made.toHtmlEscaped());
    html += InputsHtml(content);
    html += Heading(QT_TRANSLATE_NOOP("ReportDocument", "Forme d'onda e valori misurati")) +
            figure + MeasuredHtml(measured);
    html += QStringLiteral("<h2 class=\"analisi\">%1</h2>")
                .arg(ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Analisi"))) +
            AnalysisHtml(content.analysis);
    html += Heading(QT_TRANSLATE_NOOP("ReportDocument", "Avvisi")) +
            WarningsHtml(content.analysis.warnings);
    html += RealPartsHtml(content, image);
    html += FrequencyResponseHtml(content, image);
    html += TolerancesHtml(content, image);
    html += LegendHtml(content.analysis.titles, legendOnNewPage);
    return html + QStringLiteral("</body></html>");
}

QString TolerancesHtml(const ReportContent& content, const ImageElement& image) {
    if (!content.tolerances || content.tolerances->rows.empty()) {
        return {};
    }
    const ToleranceReport& tolerances = *content.tolerances;
    QString html =
        Heading(QT_TRANSLATE_NOOP("ReportDocument", "Tolleranze")) + LinesHtml(tolerances.inputs) +
        ResultTableHtml(tolerances.titles, tolerances.rows) + LinesHtml(tolerances.yield);
    for (const QImage& histogram : tolerances.histograms) {
        html += image(histogram, ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Istogramma")));
    }
    return html;
}

QString NoFigure() {
    return QStringLiteral("<p>%1</p>")
        .arg(ReportText(QT_TRANSLATE_NOOP(
            "ReportDocument", "Nessuna forma d'onda: la simulazione non ha tracciato le tracce.")));
}

// What the figure's element tells a reader who does not see it.
QString FigureAlt() {
    return ReportText(QT_TRANSLATE_NOOP("ReportDocument", "Forme d'onda")).toHtmlEscaped();
}

QByteArray PngBytes(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The figure at the window's size, at least two device pixels to a pixel, spanning the page.
QByteArray HtmlBytes(const ReportContent& content, const QString& measured,
                     const ReportFigure& figure) {
    QString element = NoFigure();
    if (figure) {
        element = QStringLiteral("<p><img class=\"figura\" src=\"data:image/png;base64,%1\" "
                                 "alt=\"%2\"></p>")
                      .arg(QString::fromLatin1(PngBytes(figure(FigureSize::Window)).toBase64()),
                           FigureAlt());
    }
    const ImageElement image = [](const QImage& picture, const QString& alt) {
        if (picture.isNull()) {
            return QString();
        }
        return QStringLiteral("<p><img class=\"figura\" src=\"data:image/png;base64,%1\" "
                              "alt=\"%2\"></p>")
            .arg(QString::fromLatin1(PngBytes(picture).toBase64()), alt.toHtmlEscaped());
    };
    return ReportHtml(content, measured, element, image).toUtf8();
}

// Whether the laid-out document ends on a page filled less than a quarter: a few lines that
// ran over, which the whole legend then joins.
bool LastPageNearlyEmpty(const QTextDocument& document) {
    const qreal page = document.pageSize().height();
    const qreal lastPage =
        document.documentLayout()->documentSize().height() - (document.pageCount() - 1) * page;
    return document.pageCount() > 1 && lastPage < page / 4;
}

// A4 inside 15 mm margins. The document is laid out in pixels over the page's text area, and
// the figure drawn for a page spans its width.
QByteArray PdfBytes(const ReportContent& content, const QString& measured,
                    const ReportFigure& figure) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(ReportTitle());
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(PageMarginMm, PageMarginMm, PageMarginMm, PageMarginMm),
                    QPageLayout::Millimeter));
    const QSizeF page = writer.pageLayout().paintRect(QPageLayout::Point).size() / PointsPerPixel;
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setPageSize(page);
    QString element = NoFigure();
    if (figure) {
        document.addResource(QTextDocument::ImageResource, FigureResource,
                             figure(FigureSize::Page));
        element = QStringLiteral("<p><img src=\"%1\" width=\"%2\" alt=\"%3\"></p>")
                      .arg(FigureResource.toString())
                      .arg(qFloor(page.width()))
                      .arg(FigureAlt());
    }
    // Each chart a resource of the document, named by its place in it.
    int images = 0;
    const ImageElement image = [&](const QImage& picture, const QString& alt) {
        if (picture.isNull()) {
            return QString();
        }
        const QUrl name(QStringLiteral("grafico-%1.png").arg(++images));
        document.addResource(QTextDocument::ImageResource, name, picture);
        return QStringLiteral("<p><img src=\"%1\" width=\"%2\" alt=\"%3\"></p>")
            .arg(name.toString())
            .arg(qFloor(page.width()))
            .arg(alt.toHtmlEscaped());
    };
    document.setHtml(ReportHtml(content, measured, element, image));
    if (LastPageNearlyEmpty(document)) {
        images = 0;
        document.setHtml(ReportHtml(content, measured, element, image, true));
    }
    document.print(&writer);
    return pdf;
}

std::optional<QString> ReportRefusal(const QString& path, const QString& reason) {
    return ReportText(
               QT_TRANSLATE_NOOP("ReportDocument", "Impossibile salvare il rapporto \"%1\": %2"))
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

std::optional<QString> SaveReportFile(const QString& path, const ReportContent& content,
                                      const QString& measured, const ReportFigure& figure) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("html") && suffix != QLatin1String("htm")) {
        return ReportRefusal(
            path, ReportText(QT_TRANSLATE_NOOP("ReportDocument",
                                               "il nome deve finire con .pdf, .html o .htm")));
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
