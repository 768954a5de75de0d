#include "app_fixture.h"
#include "ui/analysis_window.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QTableWidget>
#include <QtTest/QTest>

namespace {

// Rows of the table: the period quantities first, ΔiL the third.
constexpr int DeltaiLRow = 2;
constexpr int PeriodRows = 7;

enum Column { Quantity, Simulated, ExactAtNI, ExactUnblocked, ExactSteady, Design, Deviation };

class AnalysisWindowTest : public AppTest {
protected:
    QAction& action() { return control<QAction>(form2(), "actionAnalysis"); }
    // Opens the analysis from the waveform window's menu.
    AnalysisWindow* openAnalysis() {
        action().trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* analysis = qobject_cast<AnalysisWindow*>(window);
                analysis && analysis->isVisible()) {
                return analysis;
            }
        }
        return nullptr;
    }
    QString cell(AnalysisWindow& window, int row, int column) {
        const QTableWidgetItem* item =
            control<QTableWidget>(window, "AnalysisTable").item(row, column);
        return item ? item->text() : QString();
    }
    QString label(AnalysisWindow& window, const char* name) {
        return control<QLabel>(window, name).text();
    }
    void runRefusedDiscontinuousDesign() {
        type("Text9", "100");
        click("Command2");
    }
};

TEST_F(AnalysisWindowTest, ActionNeedsARunWhoseInputsPassedTheChecks) {
    app.form2().obtainForm2();
    EXPECT_FALSE(action().isEnabled());
    EXPECT_EQ(action().text(), "&Analisi...");
    runExample();
    EXPECT_TRUE(action().isEnabled());
    runRefusedDiscontinuousDesign();
    EXPECT_FALSE(messages.texts.empty());
    EXPECT_TRUE(action().isEnabled());
    EXPECT_FALSE(control<QAction>(form2(), "actionExportCsv").isEnabled());
}

// The window follows the waveform window: filled from the drawn run (and copied), updated by a run
// that the conduction check refuses (exact columns only), closed with it.
TEST_F(AnalysisWindowTest, FollowsTheRunsOfTheWaveformWindow) {
    runExample();
    QPointer<AnalysisWindow> window = openAnalysis();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Analisi");
    EXPECT_EQ(cell(*window, DeltaiLRow, Quantity), "Delta iL [A]");
    EXPECT_EQ(cell(*window, DeltaiLRow, Simulated), "1,06E-01");
    EXPECT_FALSE(cell(*window, DeltaiLRow, Deviation).isEmpty());
    EXPECT_TRUE(label(*window, "ModeLabel").startsWith("Conduzione continua (CCM)"));
    // The table copies as tab-separated text, from its button and with Ctrl+C.
    QGuiApplication::clipboard()->clear();
    control<QPushButton>(*window, "CopyButton").click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.startsWith("Grandezza\tSimulata\tEsatta a NI\tEsatta senza blocco\tEsatta a regime\t"
                          "Formula di progetto\tScarto %\n"));
    EXPECT_TRUE(copied.contains("\nDelta iL [A]\t1,06E-01\t"));
    EXPECT_TRUE(copied.contains("\nConduzione continua (CCM)"));
    QGuiApplication::clipboard()->clear();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->findChild<QTableWidget*>(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);

    runRefusedDiscontinuousDesign();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(label(*window, "ModeLabel").startsWith("Conduzione discontinua (DCM)"));
    EXPECT_TRUE(label(*window, "WarningsLabel").contains("rifiutata"));
    for (int row = 0; row < PeriodRows; ++row) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(cell(*window, row, Simulated).isEmpty());
        EXPECT_TRUE(cell(*window, row, Deviation).isEmpty());
        EXPECT_FALSE(cell(*window, row, ExactAtNI).isEmpty());
        EXPECT_FALSE(cell(*window, row, ExactSteady).isEmpty());
        EXPECT_FALSE(cell(*window, row, Design).isEmpty());
    }
    type("Text15", "3"); // refused too, and far from settled after three periods
    click("Command2");
    EXPECT_TRUE(label(*window, "WarningsLabel").contains("Non ancora a regime: dopo 3 periodi"))
        << label(*window, "WarningsLabel").toStdString();

    form2().close();
    EXPECT_TRUE(window == nullptr || !window->isVisible());
}

} // namespace
