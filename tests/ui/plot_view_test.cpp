#include "app_fixture.h"
#include "ink.h"

#include <QAction>
#include <QWheelEvent>
#include <QtTest/QTest>

namespace {

// The worked example's plot: ten periods at 11 kHz over the 996 columns of its drawing area,
// its rows 0 to 604 reading y 100 down to 0.
class PlotViewTest : public AppTest {
protected:
    void SetUp() override { runExample(); }
    QAction& action(WaveformAction which) { return form2().action(which); }
    const WaveformView& view() { return app.form2().plotView().view(); }
    QString toolTipAt(int column, int row) {
        moveTo(column, row);
        return form2().plot().toolTip();
    }
    // Pointer events on row 300 of the plot, as the window system delivers them.
    QPointF at(int column) {
        return QPointF(column, 300) + form2().plot().contentsRect().topLeft();
    }
    void wheel(int column, int eighths) {
        QWheelEvent event(at(column), form2().plot().mapToGlobal(at(column)), {}, {0, eighths},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&form2().plot(), &event);
    }
    void mouse(QEvent::Type type, int column, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, at(column), form2().plot().mapToGlobal(at(column)), button, buttons,
                          modifiers);
        QApplication::sendEvent(&form2().plot(), &event);
    }
};

// "Vista intera" after zooming gives back the run's own picture and readout exactly. Zoomed,
// the readout gives the time of the plot x shown under the pointer (column 150 of the view
// 25 .. 75: x 32.53, 295.73 us) and the span is written in the top-right corner.
TEST_F(PlotViewTest, ZoomingInAndBackToTheWholeViewKeepsThePictureAndTheReadout) {
    const QImage original = plotImage();
    const QString readout = toolTipAt(150, 90);
    EXPECT_EQ(readout, "t= 136,91usec ; iL(t) = 9,07E-02A");
    action(WaveformAction::ZoomIn).trigger();
    EXPECT_EQ(view(), (WaveformView{25, 75}));
    const QImage zoomed = plotImage();
    const QRect corner(zoomed.width() - 100 * zoomed.devicePixelRatio(), 0, 100, 16);
    EXPECT_NE(zoomed.copy(corner), original.copy(corner));
    EXPECT_EQ(toolTipAt(150, 90), "t= 295,73usec ; iL(t) = 9,07E-02A");
    action(WaveformAction::ZoomReset).trigger();
    EXPECT_EQ(plotImage(), original);
    EXPECT_EQ(toolTipAt(150, 90), readout);
}

// A wheel notch narrows the view by 1.25 around the plot x under the pointer (column 300);
// a middle-button drag or Shift with the left button moves the traces with the pointer, here
// 100 columns to the left; Ctrl+Right moves the view a tenth of its width later, and
// "Scorri a sinistra" back; a double-click shows the whole time axis, but not while the
// measuring cursors are on.
TEST_F(PlotViewTest, TheWheelZoomsAroundThePointerAndDragsKeysAndDoubleClicksMoveTheView) {
    const double pointed = static_cast<float>(300 * 100 / 996.0);
    wheel(300, 240);
    EXPECT_NEAR(view().span(), 64, 1e-9);
    EXPECT_NEAR(view().plotX(pointed), pointed, 1e-9);
    for (const auto& [button, modifiers] : {std::pair(Qt::MiddleButton, Qt::NoModifier),
                                            std::pair(Qt::LeftButton, Qt::ShiftModifier)}) {
        const WaveformView before = view();
        mouse(QEvent::MouseButtonPress, 600, button, button, modifiers);
        mouse(QEvent::MouseMove, 500, Qt::NoButton, button, modifiers);
        mouse(QEvent::MouseButtonRelease, 500, button, Qt::NoButton, modifiers);
        mouse(QEvent::MouseMove, 300, Qt::NoButton, Qt::NoButton);
        EXPECT_NEAR(view().left, before.left + 100 * 100 / 996.0 * 0.64, 1e-5);
    }
    const WaveformView dragged = view();
    ASSERT_TRUE(activateForm2());
    QTest::keyClick(&form2().plot(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NEAR(view().left, dragged.left + 6.4, 1e-9);
    action(WaveformAction::PanLeft).trigger();
    EXPECT_NEAR(view().left, dragged.left, 1e-9);
    action(WaveformAction::Measure).setChecked(true);
    mouse(QEvent::MouseButtonDblClick, 400, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(view().whole());
    action(WaveformAction::Measure).setChecked(false);
    mouse(QEvent::MouseButtonDblClick, 400, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(view().whole());
}

// Drawn to its largest magnitude, the output's ripple of tens of millivolts on 25 V is a flat
// blue line near y 32; fitted, it fills its band from 32 to 50, and the pointer on the band's
// top edge (row 302, y 50) reads the highest output sample. Off again, the picture is the
// run's own. The fit stays on for the next run, which is shown whole.
TEST_F(PlotViewTest, FittedBandsShowTheOutputRippleAndFollowTheNextRun) {
    const QImage original = plotImage();
    EXPECT_EQ(CountInk(original, Ink::Blue, 36, 46), 0);
    action(WaveformAction::FitBands).setChecked(true);
    const QImage fitted = plotImage();
    EXPECT_GT(CountInk(fitted, Ink::Blue, 36, 46), 100);
    ASSERT_TRUE(app.form2().plotView().fittedBands().has_value());
    const Text highest = Format((*app.form2().plotView().fittedBands())[2].high, "0.00E+00", u',');
    EXPECT_EQ(toolTipAt(150, 302),
              "t= 136,91usec ; Vo(t) = " + QString::fromStdU16String(highest) + "V");
    action(WaveformAction::ZoomIn).trigger();
    click("Command2");
    EXPECT_TRUE(view().whole());
    EXPECT_EQ(plotImage(), fitted);
    action(WaveformAction::FitBands).setChecked(false);
    EXPECT_EQ(plotImage(), original);
}

} // namespace
