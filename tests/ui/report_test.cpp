#include "app_fixture.h"
#include "figure/waveform_figure.h"
#include "test_support/example_converter.h"
#include "ui/analysis_window.h"
#include "ui/report_document.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <algorithm>

namespace {

class ReportTest : public AppTest {
protected:
    void saveReportAs(const QString& name) {
        files.answer = folder.filePath(name);
        control<QAction>(form2(), "actionSaveReport").trigger();
    }
    QByteArray contents(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString html(const QString& name) const { return QString::fromUtf8(contents(name)); }
    // The open analysis window, once "Analisi..." has opened it.
    AnalysisWindow* analysisWindow() {
        control<QAction>(form2(), "actionAnalysis").trigger();
        const QWidgetList tops = QApplication::topLevelWidgets();
        const auto found = std::find_if(tops.begin(), tops.end(), [](QWidget* top) {
            return qobject_cast<AnalysisWindow*>(top) && top->isVisible();
        });
        return found == tops.end() ? nullptr : qobject_cast<AnalysisWindow*>(*found);
    }
    QTemporaryDir folder;
};

// The value of the report's row named `name`, in any of its tables of names and values; a
// missing row gives a null string.
QString RowValue(const QString& html, const QString& name) {
    const QRegularExpression row(QStringLiteral("<td class=\"nome\">%1</td><td class=\"numero\">"
                                                "([^<]*)</td>")
                                     .arg(QRegularExpression::escape(name.toHtmlEscaped())));
    const QRegularExpressionMatch match = row.match(html);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The part of `text` from the first `from` to the next `to`.
QString Between(const QString& text, const QString& from, const QString& to) {
    const qsizetype start = text.indexOf(from);
    return start < 0 ? QString() : text.mid(start, text.indexOf(to, start) - start);
}

// The verification table and the simulation's.
QString VerificationSection(const QString& html) {
    return Between(html, QStringLiteral("Dati di verifica, come digitati"),
                   QStringLiteral("Forme d'onda"));
}

// The pages of a PDF file: its page objects, not the tree that holds them.
qsizetype PageCount(const QByteArray& pdf) {
    return QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
}

TEST_F(ReportTest, HtmlHoldsEverySectionAndTheFigureAndPdfIsAWholeDocument) {
    runExample();
    saveReportAs(QStringLiteral("rapporto.html"));
    EXPECT_TRUE(messages.texts.empty());
    ASSERT_EQ(files.proposed.size(), 1);
    EXPECT_TRUE(files.proposed[0].endsWith("_N1000.pdf")) << files.proposed[0].toStdString();
    const QString text = html(QStringLiteral("rapporto.html"));
    for (const char* title :
         {"Rapporto di verifica", "Dati di progetto e risultati", "Dati di verifica, come digitati",
          "<h2>Simulazione</h2>", "Forme d'onda e valori misurati", "Analisi</h2>",
          "<h2>Avvisi</h2>", "Legenda delle colonne", "Delta iL = 1,06E-01 A", "<style>"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(title))) << title;
    }
    // The figure spans the page, drawn at two device pixels to a pixel at least.
    const QRegularExpressionMatch figure =
        QRegularExpression(QStringLiteral("<img class=\"figura\" src=\"data:image/png;base64,"
                                          "([^\"]*)\""))
            .match(text);
    ASSERT_TRUE(figure.hasMatch());
    EXPECT_TRUE(text.contains(QStringLiteral("img.figura { width: 100%")));
    const QImage image =
        QImage::fromData(QByteArray::fromBase64(figure.captured(1).toLatin1()), "PNG");
    EXPECT_EQ(image.width(),
              2 * RenderWaveformImage(variables, u',', 1).deviceIndependentSize().width());
    // A PDF is a whole document: the inputs and the figure on one page, the analysis on the next.
    saveReportAs(QStringLiteral("rapporto.PDF"));
    EXPECT_TRUE(messages.texts.empty());
    const QByteArray pdf = contents(QStringLiteral("rapporto.PDF"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(PageCount(pdf), 2);
}

// The report is the analysis window's table, its header apart so that each page repeats it,
// and a legend of every column.
// With the frequency-response and tolerance windows open, the report carries what they show:
// the model's lines, the compensator, the Bode charts; the table, the yield, the histograms.
TEST_F(ReportTest, CarriesTheFrequencyResponseAndTheTolerancesOfTheirWindows) {
    runExample();
    saveReportAs(QStringLiteral("senza.html"));
    EXPECT_FALSE(html(QStringLiteral("senza.html")).contains("Risposta in frequenza"));
    control<QAction>(form2(), "actionFrequencyResponse").trigger();
    control<QAction>(form2(), "actionTolerances").trigger();
    ToleranceWindow* tolerances = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ToleranceWindow*>(top); window && window->isVisible()) {
            tolerances = window;
        }
    }
    ASSERT_NE(tolerances, nullptr);
    control<QLineEdit>(*tolerances, "SamplesField").setText(QStringLiteral("200"));
    QSignalSpy ended(tolerances, &ToleranceWindow::analysisEnded);
    control<QPushButton>(*tolerances, "RunButton").click();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);

    saveReportAs(QStringLiteral("con.html"));
    EXPECT_TRUE(messages.texts.empty());
    const QString text = html(QStringLiteral("con.html"));
    for (const char* shown :
         {"<h2>Risposta in frequenza</h2>", "Modo: CCM", "Poli di Gvd",
          "alt=\"Diagramma di Bode, modulo\"", "<h2>Tolleranze</h2>",
          "Resa: 100,00 % dei 200 campioni", "<th>Angolo del minimo</th>", "alt=\"Istogramma\""}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown;
    }
    EXPECT_EQ(text.count(QStringLiteral("alt=\"Istogramma\"")), 4);
    saveReportAs(QStringLiteral("con.pdf"));
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(contents(QStringLiteral("con.pdf")).trimmed().endsWith("%%EOF"));
}

TEST_F(ReportTest, TheAnalysisIsTheWindowsTableWithALegendOfEveryColumn) {
    runExample();
    AnalysisWindow* window = analysisWindow();
    ASSERT_NE(window, nullptr);
    auto* table = window->findChild<QTableWidget*>(QStringLiteral("AnalysisTable"));
    ASSERT_NE(table, nullptr);
    saveReportAs(QStringLiteral("rapporto.html"));
    const QString text = html(QStringLiteral("rapporto.html"));
    const QString header =
        QRegularExpression(QStringLiteral("<thead>(.*)</thead>")).match(text).captured(1);
    QStringList headerTitles;
    for (const QRegularExpressionMatch& title :
         QRegularExpression(QStringLiteral("<th[^>]*>([^<]*)</th>")).globalMatch(header)) {
        headerTitles << title.captured(1);
    }
    QStringList titles;
    for (int c = 0; c < table->columnCount(); ++c) {
        // The window's header breaks the longer titles over two lines.
        titles << table->horizontalHeaderItem(c)->text().replace(u'\n', u' ');
        SCOPED_TRACE(titles.back().toStdString());
        const QRegularExpression legend(
            QStringLiteral("<td class=\"colonna\" valign=\"top\">%1</td><td>[^<]{20,}</td>")
                .arg(QRegularExpression::escape(titles.back().toHtmlEscaped())));
        EXPECT_TRUE(legend.match(text).hasMatch());
    }
    EXPECT_EQ(headerTitles, titles);
    for (int r = 0; r < table->rowCount(); ++r) {
        QString row = QStringLiteral("<tr><td class=\"nome\">") +
                      table->item(r, 0)->text().toHtmlEscaped() + QStringLiteral("</td>");
        for (int c = 1; c < table->columnCount(); ++c) {
            row += QStringLiteral("<td class=\"numero\">") +
                   table->item(r, c)->text().toHtmlEscaped() + QStringLiteral("</td>");
        }
        EXPECT_TRUE(text.contains(row + QStringLiteral("</tr>"))) << row.toStdString();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Una cella vuota:")));
}

// The report states the run's N, NP, NI and time step, and the fields as they were typed for
// the run: not as the tool reads them back, and not as they were typed after it.
TEST_F(ReportTest, StatesTheRunsCountsStepAndTheFieldsAsTyped) {
    click("Command3");
    type("Text1", "15.00");
    click("Command1");
    type("Text9", "7995");
    type("Text15", "4000");
    click("Command2");
    type("Text9", "1234"); // typed after the run: not the run's
    saveReportAs(QStringLiteral("rapporto.html"));
    const QString text = html(QStringLiteral("rapporto.html"));
    const QString verification = VerificationSection(text);
    const std::pair<const char*, const char*> rows[] = {
        {"L, induttanza [\u00b5H]", "7995"},   {"f, frequenza di commutazione [kHz]", "1.100E+01"},
        {"NI, periodi simulati", "4000"},      {"Campioni per periodo N", "1000"},
        {"Periodi visualizzati NP", "10"},     {"Periodi simulati NI", "4000"},
        {"Passo dt = 1 / (N f)", "90,909 ns"},
    };
    for (const auto& [name, value] : rows) {
        EXPECT_EQ(RowValue(verification, QString::fromUtf8(name)), QString::fromUtf8(value))
            << name;
    }
    const QString design = Between(text, QStringLiteral("Dati di progetto e risultati"),
                                   QStringLiteral("Dati di verifica"));
    EXPECT_EQ(RowValue(design, QStringLiteral("Vi, tensione di ingresso [V]")),
              QStringLiteral("15.00"));
    EXPECT_FALSE(text.contains(QStringLiteral("8,00E+03")));
    EXPECT_FALSE(text.contains(QStringLiteral("1234")));
}

// A run that drew no traces still has its analysis reported, from the analysis window too.
TEST_F(ReportTest, RefusedRunFromTheAnalysisWindow) {
    runExample();
    type("Text9", "100");
    click("Command2");
    messages.texts.clear();
    AnalysisWindow* window = analysisWindow();
    ASSERT_NE(window, nullptr);
    files.answer = folder.filePath(QStringLiteral("rapporto.htm"));
    control<QPushButton>(*window, "SaveReportButton").click();
    EXPECT_TRUE(messages.texts.empty());
    const QString text = html(QStringLiteral("rapporto.htm"));
    EXPECT_TRUE(text.contains("Nessuna forma d'onda"));
    EXPECT_FALSE(text.contains("<img"));
    EXPECT_TRUE(text.contains("rifiutata"));
    EXPECT_EQ(RowValue(VerificationSection(text), QStringLiteral("L, induttanza [\u00b5H]")),
              QStringLiteral("100"));
    files.answer = folder.filePath(QStringLiteral("rapporto.pdf"));
    control<QPushButton>(*window, "SaveReportButton").click();
    EXPECT_EQ(PageCount(contents(QStringLiteral("rapporto.pdf"))), 2);
}

// Drawn for a page 180 mm wide, the figure's smallest text, 12 pixels, prints at 8 points.
TEST_F(ReportTest, TheFigureOfAPageKeepsItsTextReadable) {
    runExample();
    constexpr double textWidthPoints = 180 / 25.4 * 72;
    const double width = RenderWaveformImage(variables, u',', 1, {}, FigureSize::Page)
                             .deviceIndependentSize()
                             .width();
    EXPECT_GE(12 * textWidthPoints / width, 8.0);
}

// An earlier file stays as it was; a file that cannot be written is one message naming it and
// the reason in Italian.
TEST_F(ReportTest, FailuresLeaveEarlierFilesWhole) {
    runExample();
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("cartella.pdf")));
    struct Case {
        const char* name;
        std::optional<const char*> answer; // none: the dialog is cancelled
        const char* reason;                // none: no message
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, nullptr},
        {"missing folder", "manca/rapporto.pdf", "la cartella non esiste"},
        {"a folder in the way", "cartella.pdf", "\u00e8 una cartella"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(folder.filePath(QStringLiteral("rapporto.pdf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("prima");
        file.close();
        messages.texts.clear();
        files.answer.reset();
        if (c.answer) {
            files.answer = folder.filePath(QString::fromLatin1(*c.answer));
        }
        control<QAction>(form2(), "actionSaveReport").trigger();
        ASSERT_EQ(messages.texts.size(), c.reason ? 1u : 0u);
        if (c.reason) {
            const QString expected = QStringLiteral("Impossibile salvare il rapporto \"%1\": %2")
                                         .arg(*files.answer, QString::fromUtf8(c.reason));
            EXPECT_EQ(messages.texts[0], expected.toStdString());
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"cartella.pdf", "rapporto.pdf"}));
        EXPECT_EQ(contents(QStringLiteral("rapporto.pdf")), "prima");
    }
}

// With real parts the report gains the parts as typed, their losses and books, the steady
// state with them and the chart of the efficiency against the load, in both formats.
TEST(RealPartsReportTest, TheReportCarriesThePartsTheirLossesAndTheCurve) {
    const QTemporaryDir folder;
    ReportContent content;
    content.parts = {{QStringLiteral("Tensione di soglia del diodo, V"), QStringLiteral("0,45")}};
    content.realParts =
        TabulateRealParts(SolveRealParts(CircuitOf(ExampleConverter()), TypicalParts()), u',');
    content.efficiencyChart = QImage(40, 30, QImage::Format_RGB32);
    content.efficiencyChart.fill(Qt::white);
    const QString html = folder.filePath(QStringLiteral("rapporto.html"));
    ASSERT_FALSE(SaveReportFile(html, content, {}, {}));
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString& expected :
         {QStringLiteral("<h2>Componenti reali</h2>"), QStringLiteral("0,45"),
          QStringLiteral("<h2>Perdite</h2>"), content.realParts->lossRows.front().front(),
          content.realParts->books.front().first, QStringLiteral("Con i componenti"),
          QStringLiteral("alt=\"Rendimento e perdite al variare del carico\"")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
    EXPECT_FALSE(SaveReportFile(folder.filePath(QStringLiteral("rapporto.pdf")), content, {}, {}));
}

} // namespace
