#include "app_fixture.h"
#include "core/conversions.h"
#include "ui/plot_box.h"

#include <QMouseEvent>
#include <QToolTip>

namespace {

class CursorTest : public AppTest {
protected:
    void SetUp() override { runExample(); }

    // What the pointer reads over a pixel at one device pixel per window pixel. The readout must
    // not depend on the screen's density: the suite also runs at two device pixels per window
    // pixel against these same values.
    float xAt(int column) { return PixelToPlot({double(column), 0}, area(), 1).x; }
    float yAt(int row) { return PixelToPlot({0, double(row)}, area(), 1).y; }
    QSizeF area() { return form2().plot().contentsRect().size(); }
    // The lowest row whose plot height is still at or above the boundary.
    int lastRowAtOrAbove(float boundary) {
        int row = 0;
        while (yAt(row + 1) >= boundary) {
            ++row;
        }
        return row;
    }
};

TEST_F(CursorTest, BandBoundariesSelectTheButtonOfTheBandBelowThePointer) {
    struct Case {
        float boundary;
        TraceOption above;
        TraceOption below;
    };
    const Case cases[] = {{80.0f, TraceOption::Option1, TraceOption::Option2},
                          {55.0f, TraceOption::Option2, TraceOption::Option3},
                          {25.0f, TraceOption::Option3, TraceOption::Option5}};
    for (const Case& c : cases) {
        const int row = lastRowAtOrAbove(c.boundary);
        moveTo(10, row);
        EXPECT_EQ(form2().selection(), c.above) << c.boundary;
        moveTo(10, row + 1);
        EXPECT_EQ(form2().selection(), c.below) << c.boundary;
    }
}

TEST_F(CursorTest, TheBottomStripKeepsTheSelectionAndItsFormula) {
    moveTo(0, lastRowAtOrAbove(80.0f));
    const int bottom = static_cast<int>(area().height()) - 1;
    moveTo(0, bottom);
    EXPECT_EQ(form2().selection(), TraceOption::Option1);
    const double v = (double(yAt(bottom)) - 80) * variables.iLMax / 18;
    EXPECT_EQ(
        form2().plot().toolTip(),
        QString::fromStdU16String(u"t= 0,00usec ; iL(t) = " + Format(v, "0.00E+00", u',') + u"A"));
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
// beside the pointer.
TEST_F(CursorTest, TheToolTipCarriesTimeAndValueAndFollowsThePointer) {
    struct Case {
        int column;
        int row;
        const char16_t* time;
        const char16_t* trace;
        double Module1::*extreme;
        double zeroLine;
        const char16_t* unit;
    };
    const Case cases[] = {
        {150, lastRowAtOrAbove(80.0f) - 30, u"t= ", u"iL(t) = ", &Module1::iLMax, 80, u"A"},
        {450, lastRowAtOrAbove(25.0f) - 30, u"t= ", u"Vo(t) = ", &Module1::VoMax, 50, u"V"},
        {100, lastRowAtOrAbove(25.0f) + 40, u"t = ", u"id(t) = ", &Module1::idMax, 0.1, u"A"}};
    const Module1& m = variables;
    QString previous;
    for (const Case& c : cases) {
        const QPoint pointer = moveTo(c.column, c.row);
        const double t = double(xAt(c.column)) / 100 * m.NP * 1000000 / m.f;
        const double v = (double(yAt(c.row)) - c.zeroLine) * m.*c.extreme / 18;
        const QString expected =
            QString::fromStdU16String(c.time + Format(t, "0.00", u',') + u"usec ; " + c.trace +
                                      Format(v, "0.00E+00", u',') + c.unit);
        EXPECT_EQ(form2().plot().toolTip(), expected);
        EXPECT_NE(expected, previous);
        previous = expected;
        const QWidget* tip = ShownToolTip();
        ASSERT_NE(tip, nullptr) << c.column;
        EXPECT_EQ(QToolTip::text(), expected);
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
    for (int row = 0; row < area().height(); row += 7) {
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
