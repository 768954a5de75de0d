#include "app_fixture.h"
#include "figure/language.h"
#include "figure/waveform_figure.h"
#include "test_support/example_converter.h"
#include "ui/report_document.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// A text of the report in Italian and the same place in English.
struct Wording {
    const char* italian;
    const char* english;
};

// Each case starts in Italian and ends in it.
class EnglishReportTest : public AppTest {
protected:
    void TearDown() override { show(Language::Italian); }
    static void show(Language language) {
        UseLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    QByteArray contents(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The report of the waveform window's run, saved as `name`, in the language in use.
    QString savedReport(const QString& name) {
        files.answer = folder.filePath(name);
        control<QAction>(form2(), "actionSaveReport").trigger();
        return QString::fromUtf8(contents(name));
    }
    QTemporaryDir folder;
};

// Each Italian text stands in the Italian report only, its English in the English one only.
void ExpectWordings(const QString& italian, const QString& english,
                    const std::vector<Wording>& wordings) {
    for (const Wording& wording : wordings) {
        SCOPED_TRACE(wording.italian);
        const QString it = QString::fromUtf8(wording.italian);
        const QString en = QString::fromUtf8(wording.english);
        EXPECT_TRUE(italian.contains(it));
        EXPECT_FALSE(italian.contains(en));
        EXPECT_TRUE(english.contains(en));
        EXPECT_FALSE(english.contains(it));
    }
}

// The legend's rows: each column's title and what it means.
std::vector<std::pair<QString, QString>> LegendRows(const QString& html) {
    std::vector<std::pair<QString, QString>> rows;
    const QRegularExpression row(
        QStringLiteral("<td class=\"colonna\" valign=\"top\">([^<]*)</td><td>([^<]*)</td>"));
    for (const QRegularExpressionMatch& match : row.globalMatch(html)) {
        rows.emplace_back(match.captured(1), match.captured(2));
    }
    return rows;
}

// The titles of the analysis table's header.
QStringList AnalysisTitles(const QString& html) {
    const QString header =
        QRegularExpression(QStringLiteral("<thead>(.*?)</thead>")).match(html).captured(1);
    QStringList titles;
    for (const QRegularExpressionMatch& title :
         QRegularExpression(QStringLiteral("<th[^>]*>([^<]*)</th>")).globalMatch(header)) {
        titles << title.captured(1);
    }
    return titles;
}

TEST_F(EnglishReportTest, TheRunsReportHasEnglishHeadingsValuesAndLegend) {
    runExample();
    const QString italian = savedReport(QStringLiteral("rapporto.html"));
    show(Language::English);
    const QString english = savedReport(QStringLiteral("report.html"));
    EXPECT_TRUE(messages.texts.empty());
    ExpectWordings(
        italian, english,
        {
            {"<html lang=\"it\">", "<html lang=\"en\">"},
            {"<h1>Rapporto di verifica \u2014 Convertitore tipo inverter</h1>",
             "<h1>Verification report \u2014 Inverting converter</h1>"},
            {"<p>Data del rapporto: ", "<p>Report date: "},
            {"<h2>Dati di progetto e risultati</h2>", "<h2>Design data and results</h2>"},
            {"alt=\"Forme d'onda\"", "alt=\"Waveforms\""},
            {"Id picco = ", "Id peak = "},
            {"<h2 class=\"analisi\">Analisi</h2>", "<h2 class=\"analisi\">Analysis</h2>"},
            {">Legenda delle colonne</h3>", ">Column legend</h3>"},
            {"<p>Una cella vuota: ", "<p>An empty cell: "},
        });
    // Every column of the table, as the table names it, has its meaning in English.
    const auto italianLegend = LegendRows(italian);
    const auto englishLegend = LegendRows(english);
    const QStringList titles = AnalysisTitles(english);
    ASSERT_EQ(titles.size(), 7);
    ASSERT_EQ(englishLegend.size(), italianLegend.size());
    ASSERT_EQ(englishLegend.size(), static_cast<std::size_t>(titles.size()));
    for (std::size_t c = 0; c < englishLegend.size(); ++c) {
        SCOPED_TRACE(titles[static_cast<qsizetype>(c)].toStdString());
        EXPECT_EQ(englishLegend[c].first, titles[static_cast<qsizetype>(c)]);
        EXPECT_NE(englishLegend[c].second, italianLegend[c].second);
    }
}

// Every section the other windows add, from a report of its own content: each heading and
// picture in English, and the Italian report the same to the byte before and after.
TEST_F(EnglishReportTest, EverySectionInEnglishAndTheItalianUnchangedAfterwards) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ReportContent content;
    content.made = QDateTime(QDate(2026, 3, 5), QTime(9, 7));
    content.parts = {{QStringLiteral("Vf"), QStringLiteral("0,45")}};
    content.realParts =
        TabulateRealParts(SolveRealParts(CircuitOf(ExampleConverter()), TypicalParts()), u',');
    content.efficiencyChart = picture;
    content.frequencyResponse =
        FrequencyResponseReport{{QStringLiteral("CCM")}, {QStringLiteral("k")}, picture, picture};
    content.tolerances = ToleranceReport{{QStringLiteral("Vi")},
                                         {QStringLiteral("Vo")},
                                         {{QStringLiteral("Vo"), QStringLiteral("1")}},
                                         {QStringLiteral("100 %")},
                                         {picture}};
    const auto report = [&](const QString& name) {
        EXPECT_EQ(SaveReportFile(folder.filePath(name), content, {}, {}), std::nullopt);
        return contents(name);
    };
    const QByteArray italian = report(QStringLiteral("prima.html"));
    show(Language::English);
    const QByteArray english = report(QStringLiteral("english.html"));
    EXPECT_EQ(SaveReportFile(folder.filePath(QStringLiteral("english.pdf")), content, {}, {}),
              std::nullopt);
    show(Language::Italian);
    EXPECT_EQ(report(QStringLiteral("dopo.html")), italian);
    ExpectWordings(
        QString::fromUtf8(italian), QString::fromUtf8(english),
        {
            {"<p>Data del rapporto: 5 marzo 2026, 09:07</p>",
             "<p>Report date: 5 March 2026, 09:07</p>"},
            {"<p>Nessuna forma d'onda: la simulazione non ha tracciato le tracce.</p>",
             "<p>No waveforms: the simulation drew no traces.</p>"},
            {"<p>Nessun avviso.</p>", "<p>No warnings.</p>"},
            {"<h2>Componenti reali</h2>", "<h2>Real parts</h2>"},
            {"<h2>Perdite</h2>", "<h2>Losses</h2>"},
            {"<h2>Regime con i componenti reali</h2>", "<h2>Steady state with the real parts</h2>"},
            {"<h2>Rendimento e perdite al variare del carico</h2>",
             "<h2>Efficiency and losses against load</h2>"},
            {"alt=\"Rendimento e perdite al variare del carico\"",
             "alt=\"Efficiency and losses against load\""},
            {"<h2>Risposta in frequenza</h2>", "<h2>Frequency response</h2>"},
            {"<h3>Compensatore</h3>", "<h3>Compensator</h3>"},
            {"alt=\"Diagramma di Bode, modulo\"", "alt=\"Bode plot, magnitude\""},
            {"alt=\"Diagramma di Bode, fase\"", "alt=\"Bode plot, phase\""},
            {"<h2>Tolleranze</h2>", "<h2>Tolerances</h2>"},
            {"alt=\"Istogramma\"", "alt=\"Histogram\""},
        });
}

// The report's and the figure's refusals name the file in the language in use.
TEST_F(EnglishReportTest, RefusalsInEnglish) {
    const QString report = folder.filePath(QStringLiteral("report.txt"));
    const QString figure = folder.filePath(QStringLiteral("figure.jpg"));
    const auto refusals = [&] {
        return std::pair(SaveReportFile(report, ReportContent{}, {}, {}).value_or(QString()),
                         SaveWaveformFigure(figure, variables, u',', 1).value_or(QString()));
    };
    const auto italian = refusals();
    show(Language::English);
    const auto english = refusals();
    show(Language::Italian);
    EXPECT_EQ(refusals(), italian);
    ExpectWordings(italian.first, english.first,
                   {{"Impossibile salvare il rapporto \"", "Cannot save the report \""},
                    {"\": il nome deve finire con .pdf, .html o .htm",
                     "\": the name must end in .pdf, .html or .htm"}});
    ExpectWordings(
        italian.second, english.second,
        {{"Impossibile salvare l'immagine \"", "Cannot save the image \""},
         {"\": il nome deve finire con .png o .svg", "\": the name must end in .png or .svg"}});
    EXPECT_TRUE(english.first.contains(QDir::toNativeSeparators(report)));
    EXPECT_TRUE(english.second.contains(QDir::toNativeSeparators(figure)));
}

// What the figure gives of one run: the picture, the SVG file, the values as the report and
// the clipboard have them.
struct FigureTexts {
    QImage picture;
    QString svg;
    QString values;
    QString copied;
};

FigureTexts FigureOf(Module1& m) {
    return {RenderWaveformImage(m, u',', 1),
            QString::fromUtf8(WaveformFigureFile(FigureFormat::Svg, m, u',', 1).value_or("")),
            SummaryValuesText(m, u','), CopiedValuesText(m, u',')};
}

// The figure writes its captions and its time span in English, its numbers as before; back in
// Italian it is the same picture to the pixel.
TEST_F(EnglishReportTest, TheFigureInEnglishAndTheItalianPictureUnchanged) {
    runExample();
    const FigureTexts italian = FigureOf(variables);
    show(Language::English);
    const FigureTexts english = FigureOf(variables);
    show(Language::Italian);
    EXPECT_EQ(RenderWaveformImage(variables, u',', 1), italian.picture);
    EXPECT_NE(english.picture, italian.picture);
    EXPECT_EQ(english.picture.size(), italian.picture.size());
    ExpectWordings(italian.svg, english.svg,
                   {{"Forme d'onda reali", "Real waveforms"},
                    {"Tempo: 0 ... ", "Time: 0 ... "},
                    {">Id picco<", ">Id peak<"},
                    {">Ii media o continua in ingresso<", ">Ii mean or DC input<"}});
    const std::vector<Wording> names{
        {"Id picco = ", "Id peak = "},
        {"Id media = ", "Id mean = "},
        {"Ii media o continua in ingresso = ", "Ii mean or DC input = "}};
    ExpectWordings(italian.values, english.values, names);
    ExpectWordings(italian.copied, english.copied, names);
    // Only the names change: the numbers and units stay.
    const QRegularExpression name(QStringLiteral("^[^=]*= "), QRegularExpression::MultilineOption);
    EXPECT_EQ(QString(english.values).remove(name), QString(italian.values).remove(name));
    EXPECT_EQ(QString(english.copied).remove(name), QString(italian.copied).remove(name));
}

} // namespace
