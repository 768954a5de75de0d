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
    QAction& action(const char* name) {
        if (auto* found = form2().findChild<QAction*>(QString::fromLatin1(name))) {
            return *found;
        }
        ADD_FAILURE() << "no action " << name;
        return standInAction;
    }
    const WaveformView& view() { return app.form2().view(); }
    QString toolTipAt(int column, int row) {
        moveTo(column, row);
        return form2().plot().toolTip();
    }
    // A pointer event of the plot at a pixel of its drawing area, as the window system
    // delivers it.
    void mouse(QEvent::Type type, int column, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        PlotBox& plot = form2().plot();
        const QPointF local = QPointF(column, 300) + plot.contentsRect().topLeft();
        QMouseEvent event(type, local, plot.mapToGlobal(local), button, buttons, modifiers);
        QApplication::sendEvent(&plot, &event);
    }
    void wheel(int column, int eighths) {
        PlotBox& plot = form2().plot();
        const QPointF local = QPointF(column, 300) + plot.contentsRect().topLeft();
        QWheelEvent event(local, plot.mapToGlobal(local), {}, {0, eighths}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&plot, &event);
    }
    // Pixels of text in the top-right corner, where a zoomed view writes its span: nothing
    // else there is black.
    int cornerText() {
        const QImage image = plotImage();
        const qreal ratio = image.devicePixelRatio();
        int count = 0;
        for (int row = 0; row < 16 * ratio; ++row) {
            for (int column = image.width() - 100 * ratio; column < image.width(); ++column) {
                const QRgb pixel = image.pixel(column, row);
                count += qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100 ? 1 : 0;
            }
        }
        return count;
    }
    QAction standInAction;
};

// "Vista intera" after zooming gives back the run's own picture and readout exactly; the
// zoomed readout gives the time of the plot x shown under the pointer: column 150 of the view
// 25 .. 75 shows plot x 32.53, 295.73 us.
TEST_F(PlotViewTest, ZoomingInAndBackToTheWholeViewKeepsThePictureAndTheReadout) {
    const QImage original = plotImage();
    const QString readout = toolTipAt(150, 90);
    EXPECT_EQ(readout, "t= 136,91usec ; iL(t) = 9,07E-02A");
    EXPECT_EQ(cornerText(), 0);
    action("actionZoomIn").trigger();
    EXPECT_EQ(view(), (WaveformView{25, 75}));
    EXPECT_NE(plotImage(), original);
    EXPECT_GT(cornerText(), 0);
    EXPECT_EQ(toolTipAt(150, 90), "t= 295,73usec ; iL(t) = 9,07E-02A");
    action("actionZoomReset").trigger();
    EXPECT_TRUE(view().whole());
    EXPECT_EQ(plotImage(), original);
    EXPECT_EQ(toolTipAt(150, 90), readout);
}

// A wheel notch narrows the view by 1.25 around the plot x under the pointer (column 300,
// x 30.12); a middle-button drag or Shift with the left button moves the traces with the
// pointer, here 100 columns to the left; Ctrl+Right moves the view a tenth of its width later.
TEST_F(PlotViewTest, TheWheelZoomsAroundThePointerAndDragsAndKeysPan) {
    const double pointed = static_cast<float>(300 * 100 / 996.0);
    const double hundredColumns = static_cast<float>(600 * 100 / 996.0) -
                                  static_cast<double>(static_cast<float>(500 * 100 / 996.0));
    wheel(300, 120);
    EXPECT_NEAR(view().span(), 80, 1e-9);
    EXPECT_NEAR(view().plotX(pointed), pointed, 1e-9);
    wheel(300, -120);
    EXPECT_TRUE(view().whole());
    wheel(300, 240);
    for (const auto& [button, modifiers] : {std::pair(Qt::MiddleButton, Qt::NoModifier),
                                            std::pair(Qt::LeftButton, Qt::ShiftModifier)}) {
        const WaveformView before = view();
        mouse(QEvent::MouseButtonPress, 600, button, button, modifiers);
        mouse(QEvent::MouseMove, 500, Qt::NoButton, button, modifiers);
        mouse(QEvent::MouseButtonRelease, 500, button, Qt::NoButton, modifiers);
        EXPECT_NEAR(view().left, before.left + hundredColumns * before.span() / 100, 1e-9);
        EXPECT_NEAR(view().span(), before.span(), 1e-9);
    }
    const WaveformView dragged = view();
    mouse(QEvent::MouseMove, 300, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(view(), dragged) << "a drag ends with its button";
    form2().activateWindow();
    QTest::keyClick(&form2().plot(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NEAR(view().left, dragged.left + dragged.span() / 10, 1e-9);
}

// A double-click shows the whole time axis, but not while the measuring cursors are on.
TEST_F(PlotViewTest, ADoubleClickShowsTheWholeViewWhileTheCursorsAreOff) {
    action("actionZoomIn").trigger();
    action("actionMeasure").setChecked(true);
    mouse(QEvent::MouseButtonDblClick, 400, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(view().whole());
    action("actionMeasure").setChecked(false);
    mouse(QEvent::MouseButtonDblClick, 400, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(view().whole());
}

// Drawn to its largest magnitude, the output's ripple of tens of millivolts on 25 V is a flat
// blue line near y 32; fitted, it fills its band from 32 to 50, and the pointer on the band's
// top edge (row 302, y 50) reads the highest output sample. Off again, the picture is the
// run's own.
TEST_F(PlotViewTest, FittedBandsShowTheOutputRippleAndReadThroughIt) {
    const QImage original = plotImage();
    EXPECT_EQ(CountInk(original, Ink::Blue, 36, 46), 0);
    action("actionFitBands").setChecked(true);
    ASSERT_TRUE(app.form2().fittedBands().has_value());
    EXPECT_GT(CountInk(plotImage(), Ink::Blue, 36, 46), 100);
    const Text highest = Format((*app.form2().fittedBands())[2].high, "0.00E+00", u',');
    EXPECT_EQ(toolTipAt(150, 302),
              "t= 136,91usec ; Vo(t) = " + QString::fromStdU16String(highest) + "V");
    action("actionFitBands").setChecked(false);
    EXPECT_EQ(plotImage(), original);
}

// A new run shows its plot whole, and in fitted bands while the fit stays on.
TEST_F(PlotViewTest, ANewRunIsShownWholeAndKeepsTheFit) {
    const QImage original = plotImage();
    action("actionZoomIn").trigger();
    click("Command2");
    EXPECT_TRUE(view().whole());
    EXPECT_EQ(plotImage(), original);
    action("actionFitBands").setChecked(true);
    const QImage fitted = plotImage();
    click("Command2");
    EXPECT_TRUE(app.form2().fittedBands().has_value());
    EXPECT_EQ(plotImage(), fitted);
}

} // namespace
