#include "app_fixture.h"
#include "ui/chart_view.h"
#include "ui/frequency_response_window.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest/QTest>

namespace {

class FrequencyResponseWindowTest : public AppTest {
protected:
    // The window of the worked example, opened from the waveform window's menu.
    FrequencyResponseWindow* openExampleResponse() {
        runExample();
        control<QAction>(form2(), "actionFrequencyResponse").trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* response = qobject_cast<FrequencyResponseWindow*>(window);
                response && response->isVisible()) {
                return response;
            }
        }
        return nullptr;
    }
    QString label(QWidget& window, const char* name) {
        return control<QLabel>(window, name).text();
    }
    // The numbers a chart of the window shows; none when it has no such chart.
    std::vector<ChartColumn> numbers(QWidget& window, const char* chart) {
        const auto* view = window.findChild<ChartView*>(QString::fromUtf8(chart));
        EXPECT_NE(view, nullptr) << chart;
        return view ? view->numbers() : std::vector<ChartColumn>{};
    }
    // The CSV names of the columns the chart shows.
    QStringList columns(QWidget& window, const char* chart) {
        QStringList names;
        for (const ChartColumn& column : numbers(window, chart)) {
            names << column.csvName;
        }
        return names;
    }
    // How many points the FRA drew.
    std::size_t measuredPoints(QWidget& window) {
        for (const ChartColumn& column : numbers(window, "BodeMagnitudeChart")) {
            if (column.csvName == "fra_Gvd_dB") {
                return column.values.size();
            }
        }
        return 0;
    }
    void compensate(QWidget& window, int type, const char* crossover, const char* margin) {
        control<QComboBox>(window, "CompensatorType").setCurrentIndex(type);
        control<QLineEdit>(window, "CrossoverField").setText(QString::fromUtf8(crossover));
        control<QLineEdit>(window, "MarginField").setText(QString::fromUtf8(margin));
        control<QPushButton>(window, "CompensateButton").click();
    }
};

// The worked example in continuous conduction, its curves, and a loop gain that appears with
// a compensator and goes with its refusal.
TEST_F(FrequencyResponseWindowTest, ShowsTheModelAndTheLoopOfTheCompensatorAsked) {
    QPointer<FrequencyResponseWindow> window = openExampleResponse();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Risposta in frequenza");
    EXPECT_TRUE(label(*window, "ModelLabel").startsWith("Modo: CCM"));
    EXPECT_TRUE(label(*window, "ModelLabel").contains("semipiano destro"));
    EXPECT_EQ(columns(*window, "BodeMagnitudeChart"),
              QStringList({"f_Hz", "Gvd_dB", "Gvg_dB", "Zout_dBohm"}));
    EXPECT_EQ(numbers(*window, "BodeMagnitudeChart").front().values.size(), 200u);

    // The example's double pole is at 68.6 Hz, its right-half-plane zero at 1.12 kHz: a Type II
    // crosses over near the pole, a Type III above it.
    EXPECT_TRUE(label(*window, "ModelLabel").contains("68,612 Hz (Q 10,206)"));
    struct Case {
        int type;
        const char* crossover;
        const char* margin;
        const char* shown; // in the compensator's lines
        bool loop;
    };
    const Case cases[] = {{1, "68.6", "60", "margine di fase 60,00 °", true},
                          {2, "200", "45", "margine di fase 45,00 °", true},
                          {2, "200", "60", "R3 = ", true},
                          {1, "68.6", "179", "supera", false},
                          {1, "68.6", "sessanta", "vogliono un numero", false},
                          {0, "68.6", "60", "", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.margin);
        compensate(*window, c.type, c.crossover, c.margin);
        EXPECT_TRUE(label(*window, "CompensatorLabel").contains(QString::fromUtf8(c.shown)))
            << label(*window, "CompensatorLabel").toStdString();
        EXPECT_EQ(columns(*window, "BodeMagnitudeChart").contains("T_dB"), c.loop);
        EXPECT_EQ(columns(*window, "BodePhaseChart").contains("T_deg"), c.loop);
    }
    // A refused margin says why, and the text typed stays.
    compensate(*window, 1, "68.6", "179");
    EXPECT_FALSE(label(*window, "CompensatorLabel").isEmpty());
    EXPECT_EQ(control<QLineEdit>(*window, "MarginField").text(), "179");

    form2().close();
    EXPECT_TRUE(window == nullptr || !window->isVisible());
}

// The switching circuit's points come one by one from another thread; "Annulla" stops them
// before the last.
TEST_F(FrequencyResponseWindowTest, FraDrawsItsPointsAndStopsAtAnnulla) {
    FrequencyResponseWindow* window = openExampleResponse();
    ASSERT_NE(window, nullptr);
    QSignalSpy ended(window, &FrequencyResponseWindow::fraEnded);
    control<QSpinBox>(*window, "FraPointsField").setValue(2);
    control<QPushButton>(*window, "FraButton").click();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 30000);
    EXPECT_EQ(measuredPoints(*window), 2u);

    control<QSpinBox>(*window, "FraPointsField").setValue(40);
    control<QPushButton>(*window, "FraButton").click();
    EXPECT_TRUE(control<QPushButton>(*window, "CancelFraButton").isEnabled());
    control<QPushButton>(*window, "CancelFraButton").click();
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 2, 30000);
    EXPECT_LT(measuredPoints(*window), 40u);
    EXPECT_TRUE(control<QPushButton>(*window, "FraButton").isEnabled());
}

// The pointer over a chart reads every curve at its frequency, the loop gain once compensated.
TEST_F(FrequencyResponseWindowTest, ThePointerReadsTheCurvesAtItsFrequency) {
    FrequencyResponseWindow* window = openExampleResponse();
    ASSERT_NE(window, nullptr);
    window->resize(1200, 800);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    compensate(*window, 2, "200", "45");
    auto* chart = window->findChild<ChartView*>(QStringLiteral("BodePhaseChart"));
    ASSERT_NE(chart, nullptr);
    QWidget* plot = chart->findChild<QWidget*>(QStringLiteral("Chart"));
    ASSERT_NE(plot, nullptr);
    QWidget* viewport = static_cast<QAbstractScrollArea*>(plot)->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(viewport->rect().center()),
                     viewport->mapToGlobal(QPointF(viewport->rect().center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    const QString read = window->readout();
    EXPECT_TRUE(read.startsWith("f = ")) << read.toStdString();
    for (const char* curve : {" · Gvd ", " · Gvg ", " · Zout ", " · T "}) {
        EXPECT_TRUE(read.contains(QString::fromUtf8(curve))) << curve;
    }
}

// A window closed while its FRA runs waits for the thread and goes without a trace.
TEST_F(FrequencyResponseWindowTest, ClosingDuringTheFraStopsIt) {
    QPointer<FrequencyResponseWindow> window = openExampleResponse();
    ASSERT_NE(window, nullptr);
    control<QSpinBox>(*window, "FraPointsField").setValue(40);
    control<QPushButton>(*window, "FraButton").click();
    EXPECT_TRUE(window->fraRunning());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(window == nullptr);
}

} // namespace
