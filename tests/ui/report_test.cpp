#include "app_fixture.h"
#include "ui/analysis_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
    QTemporaryDir folder;
};

TEST_F(ReportTest, HtmlHoldsEverySectionAndTheFigureAndPdfIsAWholeDocument) {
    runExample();
    saveReportAs(QStringLiteral("rapporto.html"));
    EXPECT_TRUE(messages.texts.empty());
    ASSERT_EQ(files.proposed.size(), 1);
    EXPECT_TRUE(files.proposed[0].endsWith("_N1000.pdf")) << files.proposed[0].toStdString();
    const QString html = QString::fromUtf8(contents(QStringLiteral("rapporto.html")));
    for (const char* title :
         {"Rapporto di verifica", "Dati di progetto e risultati",
          "Dati di verifica e valori misurati", "<h2>Analisi</h2>", "Forme d'onda</h2>",
          "<h2>Avvisi</h2>", "Scarto %", "Delta iL = 1,06E-01 A"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(title))) << title;
    }
    EXPECT_TRUE(html.contains("<td align=\"right\">1,06E-01</td>"));
    EXPECT_TRUE(html.contains("<img src=\"data:image/png;base64,iVBORw0KGgo"));
    // A PDF is a whole document.
    saveReportAs(QStringLiteral("rapporto.PDF"));
    EXPECT_TRUE(messages.texts.empty());
    const QByteArray pdf = contents(QStringLiteral("rapporto.PDF"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
}

// A run that drew no traces still has its analysis reported, from the analysis window too.
TEST_F(ReportTest, RefusedRunFromTheAnalysisWindow) {
    runExample();
    type("Text9", "100");
    click("Command2");
    messages.texts.clear();
    control<QAction>(form2(), "actionAnalysis").trigger();
    const QWidgetList tops = QApplication::topLevelWidgets();
    const auto found = std::find_if(tops.begin(), tops.end(), [](QWidget* top) {
        return qobject_cast<AnalysisWindow*>(top) && top->isVisible();
    });
    ASSERT_NE(found, tops.end());
    auto* window = qobject_cast<AnalysisWindow*>(*found);
    files.answer = folder.filePath(QStringLiteral("rapporto.htm"));
    control<QPushButton>(*window, "SaveReportButton").click();
    EXPECT_TRUE(messages.texts.empty());
    const QString html = QString::fromUtf8(contents(QStringLiteral("rapporto.htm")));
    EXPECT_TRUE(html.contains("Nessuna forma d'onda"));
    EXPECT_FALSE(html.contains("<img"));
    EXPECT_TRUE(html.contains("rifiutata"));
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

} // namespace
