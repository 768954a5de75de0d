#include "app_fixture.h"
#include "core/conversions.h"
#include "ui/plot_mapping.h"

#include <QMouseEvent>
#include <QToolTip>

namespace {

class CursorTest : public AppTest {
protected:
    void SetUp() override { runExample(); }

    // A pointer move to a pixel of the plot's drawing area, as the window system delivers it.
    void moveTo(int column, int row) {
        PlotBox& plot = form2().plot();
        const QPointF local = QPointF(column, row) + plot.contentsRect().topLeft();
        QMouseEvent move(QEvent::MouseMove, local, plot.mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&plot, &move);
    }
    float yAt(int row) { return PixelToPlot({0, double(row)}, area()).y; }
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
    const double v = (double(yAt(bottom)) - 80) * app.variables().iLMax / 18;
    EXPECT_EQ(
        form2().plot().toolTip(),
        QString::fromStdU16String(u"t= 0,00usec ; iL(t) = " + Format(v, "0.00E+00", u',') + u"A"));
}

TEST_F(CursorTest, TheToolTipCarriesTimeAndValueAndFollowsThePointer) {
    const int right = static_cast<int>(area().width()) - 1;
    const int row = lastRowAtOrAbove(25.0f) + 20;
    moveTo(right, row);
    const Module1& m = app.variables();
    const double t = m.NP * 1000000 / m.f;
    const double v = (double(yAt(row)) - 0.1) * m.idMax / 18;
    const QString expected =
        QString::fromStdU16String(u"t = " + Format(t, "0.00", u',') + u"usec ; id(t) = " +
                                  Format(v, "0.00E+00", u',') + u"A");
    EXPECT_EQ(form2().plot().toolTip(), expected);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), expected);
}

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST_F(CursorTest, MovingThePointerNeverRedrawsThePlot) {
    const QImage before = plotImage();
    QApplication::processEvents();
    PaintCounter counter;
    form2().plot().installEventFilter(&counter);
    for (int row = 0; row < area().height(); row += 7) {
        moveTo(row, row);
        QApplication::processEvents();
    }
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(plotImage(), before);
}

} // namespace
