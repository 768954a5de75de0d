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
    EXPECT_TRUE(html.contains("<td align=\"right\">106,49 mA</td>"));
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

// An earlier file stays as it was; a file that cannot be written is one message naming it.
TEST_F(ReportTest, FailuresLeaveEarlierFilesWhole) {
    runExample();
    struct Case {
        const char* name;
        std::optional<const char*> answer; // none: the dialog is cancelled
        bool message;
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, false},
        {"missing folder", "manca/rapporto.pdf", true},
        {"other extension", "rapporto.txt", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* earlier : {"rapporto.pdf", "rapporto.txt"}) {
            QFile file(folder.filePath(QString::fromLatin1(earlier)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("prima");
        }
        messages.texts.clear();
        files.answer.reset();
        if (c.answer) {
            files.answer = folder.filePath(QString::fromLatin1(*c.answer));
        }
        control<QAction>(form2(), "actionSaveReport").trigger();
        ASSERT_EQ(messages.texts.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_NE(messages.texts[0].find(QFileInfo(*files.answer).fileName().toStdString()),
                      std::string::npos)
                << messages.texts[0];
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"rapporto.pdf", "rapporto.txt"}));
        EXPECT_EQ(contents(QStringLiteral("rapporto.pdf")), "prima");
        EXPECT_EQ(contents(QStringLiteral("rapporto.txt")), "prima");
    }
}

} // namespace
