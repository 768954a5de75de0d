#include "app_fixture.h"

#include <QToolTip>

namespace {

// The pointer over the worked example's plot, whose drawing area is the 1001 x 609 picture
// inside its 2-pixel border: plot x runs from column 0 to 996, y from row 604 up to row 0. A
// reading depends on the window pixel alone: the suite also runs at two device pixels per
// window pixel against these same texts.
class CursorTest : public AppTest {
protected:
    void SetUp() override { runExample(); }
    QString toolTip() { return form2().plot().toolTip(); }
};

// Rows 120, 271 and 453 read y 80.13, 55.13 and 25 (100 - row x 100 / 604), the rows below
// them 79.97, 54.97 and 24.83.
TEST_F(CursorTest, BandBoundariesSelectTheButtonOfTheBandBelowThePointer) {
    struct Case {
        int lastRowOfBand;
        Trace above;
        Trace below;
    };
    const Case cases[] = {{120, Trace::InductorCurrent, Trace::CapacitorCurrent},
                          {271, Trace::CapacitorCurrent, Trace::OutputVoltage},
                          {453, Trace::OutputVoltage, Trace::DiodeCurrent}};
    for (const Case& c : cases) {
        moveTo(10, c.lastRowOfBand);
        EXPECT_EQ(form2().selection(), c.above) << c.lastRowOfBand;
        moveTo(10, c.lastRowOfBand + 1);
        EXPECT_EQ(form2().selection(), c.below) << c.lastRowOfBand;
    }
}

// The bottom row reads y 0, 80 below the inductor current's zero line: -80 / 18 x 0.3203 A.
TEST_F(CursorTest, TheBottomStripKeepsTheSelectionAndItsFormula) {
    moveTo(0, 120);
    moveTo(0, 604);
    EXPECT_EQ(form2().selection(), Trace::InductorCurrent);
    EXPECT_EQ(toolTip(), "t= 0,00usec ; iL(t) = -1,42E+00A");
}

// The tool tip window Qt shows, if any.
const QWidget* ShownToolTip() {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// Moves from band to band: each one shows its own time and value at once (no hover delay)
// beside the pointer. Ten periods at 11 kHz span 909.09 us over the 996 columns; a band's
// value is (y - its zero line) / 18 x the trace's largest magnitude: iL and id 0.3203 A, Vo
// 25.05 V.
TEST_F(CursorTest, TheToolTipCarriesTimeAndValueAndFollowsThePointer) {
    struct Case {
        int column;
        int row;
        const char* expected;
    };
    const Case cases[] = {{150, 90, "t= 136,91usec ; iL(t) = 9,07E-02A"},
                          {450, 423, "t= 410,73usec ; Vo(t) = -2,79E+01V"},
                          {100, 493, "t = 91,27usec ; id(t) = 3,25E-01A"}};
    for (const Case& c : cases) {
        const QPoint pointer = moveTo(c.column, c.row);
        EXPECT_EQ(toolTip(), c.expected);
        const QWidget* tip = ShownToolTip();
        ASSERT_NE(tip, nullptr) << c.column;
        EXPECT_EQ(QToolTip::text(), c.expected);
        const QPoint offset = tip->pos() - pointer;
        EXPECT_TRUE(offset.x() >= 0 && offset.x() < 8 && offset.y() >= 0 && offset.y() < 24)
            << testing::PrintToString(offset);
    }
}

TEST_F(CursorTest, MovingThePointerNeverRedrawsThePlot) {
    const QImage before = plotImage();
    QApplication::processEvents();
    EventCounter paints(QEvent::Paint);
    form2().plot().installEventFilter(&paints);
    for (int row = 0; row < form2().plot().contentsRect().height(); row += 7) {
        moveTo(row, row);
        QApplication::processEvents();
    }
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(plotImage(), before);
    // The counter does see a redraw of the plot.
    form2().plot().clear();
    QApplication::processEvents();
    EXPECT_GT(paints.count, 0);
}

} // namespace
