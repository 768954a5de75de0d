#include "app_fixture.h"
#include "ui/analysis_window.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPointer>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest/QTest>

namespace {

// Rows of the table: the period quantities first, ΔiL the third, then the stresses.
enum RowOf { iLMinRow, iLMaxRow, DeltaiLRow, DeltaVoRow, MeanVoRow, MeanIdRow, MeanIiRow };
constexpr int PeriodRows = 7;
constexpr int VoltageStressRow = 18;

enum Column { Quantity, Simulated, ExactAtNI, ExactUnblocked, ExactSteady, Design, Deviation };

// What a cell of the table shows, or says to a screen reader.
struct CellText {
    int row;
    int column;
    const char* text;
};

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
    // The analysis of the worked example, from the waveform window's menu.
    AnalysisWindow* openExampleAnalysis() {
        runExample();
        return openAnalysis();
    }
    QTableWidget& table(AnalysisWindow& window) {
        return control<QTableWidget>(window, "AnalysisTable");
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
    EXPECT_EQ(cell(*window, DeltaiLRow, Quantity), "Delta iL");
    EXPECT_EQ(cell(*window, DeltaiLRow, Simulated), "106,49 mA");
    EXPECT_FALSE(cell(*window, DeltaiLRow, Deviation).isEmpty());
    EXPECT_TRUE(label(*window, "ModeLabel").startsWith("Conduzione continua (CCM)"));
    // The table copies as tab-separated text, from its button and with Ctrl+C.
    QGuiApplication::clipboard()->clear();
    control<QPushButton>(*window, "CopyButton").click();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.startsWith("Grandezza\tSimulata\tEsatta a NI\tEsatta senza blocco\tEsatta a regime\t"
                          "Formula di progetto\tScarto %\n"));
    EXPECT_TRUE(copied.contains("\nDelta iL\t106,49 mA\t"));
    EXPECT_TRUE(copied.contains("\nConduzione continua (CCM)"));
    QGuiApplication::clipboard()->clear();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->findChild<QTableWidget*>(QStringLiteral("AnalysisTable")), Qt::Key_C,
                    Qt::ControlModifier);
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

// Values in engineering units with five significant digits, deviations in per cent, in the
// cells, the mode line and the copied text alike: no E-notation anywhere.
TEST_F(AnalysisWindowTest, NumbersReadAsEngineeringUnitsAndPerCent) {
    AnalysisWindow* window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    const CellText cases[] = {{iLMinRow, Simulated, "213,76 mA"},
                              {DeltaVoRow, Simulated, "59,983 mV"},
                              {MeanVoRow, Simulated, "-25,023 V"},
                              {MeanIiRow, Simulated, "166,66 mA"},
                              {MeanVoRow, Design, "-25,0 V"},
                              {VoltageStressRow, Simulated, "40,052 V"},
                              {iLMinRow, Deviation, "0,21 %"},
                              {DeltaiLRow, Deviation, "-0,17 %"},
                              {VoltageStressRow, Quantity, "Tensione su interruttore e diodo"}};
    for (const auto& c : cases) {
        EXPECT_EQ(cell(*window, c.row, c.column), QString::fromUtf8(c.text))
            << "row " << c.row << " column " << c.column;
    }
    EXPECT_EQ(label(*window, "ModeLabel"), "Conduzione continua (CCM); induttanza critica "
                                           "1,598 mH; zero nel semipiano destro 1,1205 kHz");
    const QRegularExpression scientific(QStringLiteral("\\dE[+-]\\d"));
    EXPECT_FALSE(window->text().contains(scientific)) << window->text().toStdString();
}

// At the size it opens with, the window shows every row and every column of the table whole;
// the table grows with the window and its columns share the room.
TEST_F(AnalysisWindowTest, OpensShowingTheWholeTableWhichGrowsWithIt) {
    AnalysisWindow* window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTableWidget& cells = table(*window);
    const QRect shown = cells.viewport()->rect();
    for (int row = 0; row < cells.rowCount(); ++row) {
        for (const int column : {int(Quantity), cells.columnCount() - 1}) {
            const QRect place = cells.visualRect(cells.model()->index(row, column));
            EXPECT_TRUE(shown.contains(place))
                << "row " << row << " column " << column << " at " << place.y();
        }
    }
    const QSize opened = cells.size();
    window->resize(window->size() + QSize(200, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return cells.size() == opened + QSize(200, 100); }));
    EXPECT_EQ(cells.horizontalHeader()->length(), cells.viewport()->width());
}

// Each column's header says in its tool tip what the column holds.
TEST_F(AnalysisWindowTest, HeaderToolTipsSayWhatEachColumnHolds) {
    AnalysisWindow* window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    QTableWidget& cells = table(*window);
    const char* const told[] = {
        "grandezza",        "passo fisso",       "si blocca",       "senza il blocco del diodo",
        "regime periodico", "discontinua (DCM)", "dall'Esatta a NI"};
    ASSERT_EQ(cells.columnCount(), int(std::size(told)));
    for (int column = 0; column < cells.columnCount(); ++column) {
        const QString tip =
            cells.model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
        EXPECT_TRUE(tip.contains(QString::fromUtf8(told[column]), Qt::CaseInsensitive))
            << column << ": " << tip.toStdString();
    }
}

// Tab leaves the table for the buttons, Esc closes the window; it has the tool's icon.
TEST_F(AnalysisWindowTest, TabLeavesTheTableEscapeClosesTheWindow) {
    QPointer<AnalysisWindow> window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowIcon().pixmap(32).toImage(),
              app.form1().windowIcon().pixmap(32).toImage());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTableWidget& cells = table(*window);
    cells.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return cells.hasFocus(); }));
    QTest::keyClick(&cells, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return control(*window, "SaveReportButton").hasFocus(); }))
        << NameOf(*QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window == nullptr || !window->isVisible(); }));
}

// A screen reader hears each cell with its row and column, and the mode line's text.
TEST_F(AnalysisWindowTest, ScreenReadersReachEveryNumber) {
    AnalysisWindow* window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&table(*window));
    ASSERT_NE(accessible, nullptr);
    QAccessibleTableInterface* cells = accessible->tableInterface();
    ASSERT_NE(cells, nullptr);
    const CellText cases[] = {{DeltaiLRow, Simulated, "Delta iL, Simulata: 106,49 mA"},
                              {iLMinRow, Deviation, "iL min, Scarto %: 0,21 %"},
                              {VoltageStressRow, Deviation,
                               "Tensione su interruttore e diodo, Scarto %: "
                               "nessun valore"}};
    for (const auto& c : cases) {
        QAccessibleInterface* cell = cells->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8(c.text));
    }
    QAccessibleInterface* mode =
        QAccessible::queryAccessibleInterface(&control(*window, "ModeLabel"));
    EXPECT_EQ(mode->text(QAccessible::Description), label(*window, "ModeLabel"));
}

// The desktop in a dark theme, light texts on dark windows, for the lifetime of this object.
class DarkDesktop {
public:
    DarkDesktop() {
        QPalette dark = saved_;
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::Base, QPalette::Button}) {
            dark.setColor(role, QColor(30, 30, 30));
        }
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            dark.setColor(role, QColor(224, 224, 224));
        }
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() { QApplication::setPalette(saved_); }

private:
    QPalette saved_ = QApplication::palette();
};

// Under a dark desktop the table keeps the light face: black text on white cells and on the
// light grey header.
TEST_F(AnalysisWindowTest, KeepsTheLightFaceUnderADarkDesktop) {
    const DarkDesktop desktop;
    AnalysisWindow* window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    QTableWidget& cells = table(*window);
    const QImage shown = window->grab().toImage();
    const QRect emptyCell = cells.visualRect(cells.model()->index(VoltageStressRow, Deviation));
    const QPoint inside = cells.viewport()->mapTo(window, emptyCell.center());
    EXPECT_EQ(QColor(shown.pixel(inside * shown.devicePixelRatio())), QColor(Qt::white));
    EXPECT_EQ(cells.palette().color(QPalette::Text), QColor(Qt::black));
    const QPalette header = cells.horizontalHeader()->palette();
    EXPECT_EQ(header.color(QPalette::Button), QColor(239, 239, 239));
    EXPECT_EQ(header.color(QPalette::ButtonText), QColor(Qt::black));
}

} // namespace
