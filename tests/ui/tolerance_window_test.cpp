#include "app_fixture.h"
#include "ui/chart_view.h"
#include "ui/tolerance_window.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest/QTest>
#include <numeric>

namespace {

class ToleranceWindowTest : public AppTest {
protected:
    ToleranceWindow* openExampleTolerances() {
        runExample();
        control<QAction>(form2(), "actionTolerances").trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* tolerances = qobject_cast<ToleranceWindow*>(window);
                tolerances && tolerances->isVisible()) {
                return tolerances;
            }
        }
        return nullptr;
    }
    void set(QWidget& window, const char* field, const char* text) {
        control<QLineEdit>(window, field).setText(QString::fromUtf8(text));
    }
    // Runs the analysis and waits for its end.
    void runAnalysis(ToleranceWindow& window) {
        QSignalSpy ended(&window, &ToleranceWindow::analysisEnded);
        control<QPushButton>(window, "RunButton").click();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);
    }
    QString text(QWidget& window, const char* label) {
        return control<QLabel>(window, label).text();
    }
};

// The worked example, ideal: a row per quantity but the efficiency, every sample in the
// histogram, a yield that falls when a ripple limit is set below what the corners reach.
TEST_F(ToleranceWindowTest, WorstCaseAndMonteCarloOfTheExample) {
    QPointer<ToleranceWindow> window = openExampleTolerances();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Tolleranze");
    set(*window, "SamplesField", "400");
    runAnalysis(*window);
    const QTableWidget& table = control<QTableWidget>(*window, "ToleranceTable");
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.item(1, 0)->text(), "ΔiL");
    EXPECT_TRUE(table.item(1, 2)->text().contains("Vi")) << table.item(1, 2)->text().toStdString();
    EXPECT_TRUE(text(*window, "YieldLabel").contains("Resa: 100,00 % dei 400 campioni"))
        << text(*window, "YieldLabel").toStdString();
    const auto* histogram = window->findChild<ChartView*>(QStringLiteral("ToleranceHistogram"));
    ASSERT_NE(histogram, nullptr);
    const std::vector<double>& counts = histogram->numbers().at(1).values;
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0.0), 400);

    set(*window, "Limit0", "0.1"); // the example's ripple is 0.107 A: some samples fail
    runAnalysis(*window);
    EXPECT_TRUE(text(*window, "YieldLabel").contains("Fuori dal limite ΔiL max [A]"));
    EXPECT_FALSE(text(*window, "YieldLabel").contains("Resa: 100,00 %"));
    EXPECT_FALSE(window->report().histograms.empty());

    form2().close();
    EXPECT_TRUE(window == nullptr || !window->isVisible());
}

// A refused input is one line that names it; the texts typed stay and nothing runs.
TEST_F(ToleranceWindowTest, RefusesWhatItCannotReadAndKeepsTheText) {
    ToleranceWindow* window = openExampleTolerances();
    ASSERT_NE(window, nullptr);
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {{"Tolerance_L", "100", "La tolleranza di L"},
                          {"Tolerance_Vi", "-1", "La tolleranza di Vi"},
                          {"Limit1", "sei", "Il limite ΔVo max [mV]"},
                          {"SamplesField", "1e3", "I campioni Monte Carlo"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        const QString before = control<QLineEdit>(*window, c.field).text();
        set(*window, c.field, c.text);
        control<QPushButton>(*window, "RunButton").click();
        EXPECT_FALSE(window->running());
        EXPECT_TRUE(text(*window, "StatusLabel").startsWith(QString::fromUtf8(c.message)))
            << text(*window, "StatusLabel").toStdString();
        EXPECT_EQ(control<QLineEdit>(*window, c.field).text(), c.text);
        set(*window, c.field, before.toUtf8().constData());
    }
}

TEST_F(ToleranceWindowTest, AnnullaStopsALongAnalysis) {
    ToleranceWindow* window = openExampleTolerances();
    ASSERT_NE(window, nullptr);
    set(*window, "SamplesField", "10000000");
    QSignalSpy ended(window, &ToleranceWindow::analysisEnded);
    control<QPushButton>(*window, "RunButton").click();
    EXPECT_TRUE(window->running());
    control<QPushButton>(*window, "CancelButton").click();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);
    EXPECT_EQ(text(*window, "StatusLabel"), "Analisi annullata.");
    EXPECT_TRUE(control<QPushButton>(*window, "RunButton").isEnabled());
}

} // namespace
