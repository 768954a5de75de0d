#include "app_fixture.h"
#include "display/number_text.h"
#include "display/trace_geometry.h"
#include "figure/plot_mapping.h"

#include <QAccessible>
#include <QAction>
#include <QRegion>
#include <QtTest/QTest>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>

namespace {

// Whether the plot's image has a dark pixel, as the cursors are drawn, within a logical pixel
// of a point of its drawing area.
bool BlackNear(const QImage& image, QPointF point) {
    const qreal ratio = image.devicePixelRatio();
    const QPoint centre = (point * ratio).toPoint();
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QRgb pixel = image.pixel(centre + QPoint(dx, dy) * ratio);
            if (qRed(pixel) < 128 && qGreen(pixel) < 128 && qBlue(pixel) < 128) {
                return true;
            }
        }
    }
    return false;
}

// The worked example's plot: ten periods of 1000 samples at 11 kHz over the 996 columns of its
// drawing area, its rows 0 to 604 reading y 100 down to 0. Sample number j (0 to 9999) of the
// plot is sample j % 1000 + 1 of displayed period j / 1000 + 1.
class MeasuringCursorsTest : public AppTest {
protected:
    void SetUp() override {
        runExample();
        ASSERT_TRUE(activateForm2());
    }
    void measure(bool on) { form2().action(WaveformAction::Measure).setChecked(on); }
    const MeasuringCursors& cursors() {
        static const MeasuringCursors none;
        const std::optional<MeasuringCursors>& shown = app.form2().plotCursors().measuringCursors();
        EXPECT_TRUE(shown.has_value()) << "the cursors are off";
        return shown ? *shown : none;
    }
    std::int64_t number(CursorName name) {
        const MeasuringCursor& cursor = cursors()[name];
        return std::int64_t{cursor.period - 1} * 1000 + cursor.sample - 1;
    }
    QStringList readings() {
        QAccessibleInterface* plot = QAccessible::queryAccessibleInterface(&form2().plot());
        return plot->text(QAccessible::Description).split('\n');
    }
    void mouse(QEvent::Type type, int column, int row, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
        PlotBox& plot = form2().plot();
        const QPointF at = QPointF(column, row) + plot.contentsRect().topLeft();
        QMouseEvent event(type, at, plot.mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&plot, &event);
    }
    // A press at one point, a release at another, moving there if they differ.
    void drag(int from, int to, int row) {
        mouse(QEvent::MouseButtonPress, from, row, Qt::LeftButton, Qt::LeftButton);
        if (to != from) {
            mouse(QEvent::MouseMove, to, row, Qt::NoButton, Qt::LeftButton);
        }
        mouse(QEvent::MouseButtonRelease, to, row, Qt::LeftButton, Qt::NoButton);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&form2().plot(), key, modifiers);
    }
};

// The cursors start on the selected trace, iL when none is, at samples 3332 and 6666, nearest
// to a third and two thirds of the plot; the readings reach the screen reader.
TEST_F(MeasuringCursorsTest, TurningOnPlacesAAtAThirdAndBAtTwoThirdsOfTheSelectedTrace) {
    struct Case {
        std::optional<Trace> selected;
        const char* readings;
    };
    const Case cases[] = {
        {std::nullopt, "A: t = 303,0 µs  iL = 270,42 mA\nB: t = 606,09 µs  iL = 308,59 mA\n"
                       "Δt = 303,09 µs\n1/Δt = 3,2993 kHz\nΔiL = 38,175 mA\n"
                       "media [A, B) = 270,09 mA\nRMS [A, B) = 271,86 mA"},
        {Trace::OutputVoltage,
         "A: t = 303,0 µs  Vo = -25,02 V\nB: t = 606,09 µs  Vo = -25,0 V\n"
         "Δt = 303,09 µs\n1/Δt = 3,2993 kHz\nΔVo = 19,592 mV\nmedia [A, B) = -25,021 V\n"
         "RMS [A, B) = 25,021 V"},
    };
    for (const Case& c : cases) {
        if (c.selected) {
            form2().select(*c.selected);
        }
        measure(true);
        EXPECT_EQ(number(CursorName::A), 3332);
        EXPECT_EQ(number(CursorName::B), 6666);
        EXPECT_EQ(cursors().active, CursorName::A);
        EXPECT_EQ(readings().join('\n'), QString::fromUtf8(c.readings));
        measure(false);
    }
}

// A click in the output's band puts the active cursor on the Vo sample nearest to it; the
// reading is that array sample. A drag from near B moves B, which becomes the active one.
TEST_F(MeasuringCursorsTest, AClickSnapsToASampleAndADragMovesTheNearerCursor) {
    measure(true);
    drag(100, 100, 362);
    const MeasuringCursor a = cursors()[CursorName::A];
    EXPECT_EQ(a.trace, Trace::OutputVoltage);
    EXPECT_NEAR(static_cast<double>(number(CursorName::A)), 100 * 10000 / 996.0, 2);
    const Text value =
        EngineeringText(variables.Vo_t[static_cast<std::size_t>(a.sample)], u"V", u',');
    EXPECT_TRUE(readings().value(0).endsWith(" Vo = " + QString::fromStdU16String(value)))
        << readings().value(0).toStdString();
    drag(660, 700, 60);
    EXPECT_EQ(cursors()[CursorName::A], a);
    EXPECT_EQ(cursors().active, CursorName::B);
    EXPECT_NEAR(static_cast<double>(number(CursorName::B)), 700 * 10000 / 996.0, 2);
}

// In the view 25 .. 75, Left and Right step one sample, with Shift a tenth of the view (500
// samples); Space switches to B; Ctrl+Right pans the view without moving a cursor; Tab takes
// the focus on to the buttons.
TEST_F(MeasuringCursorsTest, TheKeyboardMovesAndSwitchesTheCursorsAndTabLeavesThePlot) {
    measure(true);
    form2().action(WaveformAction::ZoomIn).trigger();
    ASSERT_TRUE(focus(form2().plot()));
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::int64_t a, b;
    };
    const Step steps[] = {
        {Qt::Key_Right, Qt::NoModifier, 3333, 6666},
        {Qt::Key_Left, Qt::ShiftModifier, 2833, 6666},
        {Qt::Key_Space, Qt::NoModifier, 2833, 6666},
        {Qt::Key_Left, Qt::NoModifier, 2833, 6665},
        {Qt::Key_Right, Qt::ShiftModifier, 2833, 7165},
        {Qt::Key_Right, Qt::ControlModifier, 2833, 7165},
    };
    for (const Step& s : steps) {
        key(s.key, s.modifiers);
        EXPECT_EQ(number(CursorName::A), s.a) << "key " << s.key;
        EXPECT_EQ(number(CursorName::B), s.b) << "key " << s.key;
    }
    EXPECT_EQ(cursors().active, CursorName::B);
    EXPECT_EQ(app.form2().plotView().view(), (WaveformView{30, 80}));
    key(Qt::Key_Tab);
    EXPECT_TRUE(control(form2(), "Option1").hasFocus());
}

// Zoomed in, the cursors keep their samples and readings; Esc turns them off, and the pointer
// readout is the same as before they were on.
TEST_F(MeasuringCursorsTest, ZoomKeepsTheCursorsAndEscapeTurnsThemOff) {
    measure(true);
    const QStringList before = readings();
    form2().action(WaveformAction::ZoomIn).trigger();
    EXPECT_EQ(readings(), before);
    form2().action(WaveformAction::ZoomReset).trigger();
    key(Qt::Key_Escape);
    EXPECT_FALSE(app.form2().plotCursors().measuringCursors().has_value());
    EXPECT_TRUE(form2().plot().accessibleDescription().isEmpty());
    moveTo(150, 90);
    EXPECT_EQ(form2().plot().toolTip(), "t= 136,91usec ; iL(t) = 9,07E-02A");
}

// With the bands fitted, the marker (a black ring around the sample) lies on the output's
// fitted trace, not where the band as drawn by default would put the sample.
TEST_F(MeasuringCursorsTest, MarkersFollowTheFittedBands) {
    form2().action(WaveformAction::FitBands).setChecked(true);
    form2().select(Trace::OutputVoltage);
    measure(true);
    ASSERT_TRUE(app.form2().plotView().fittedBands().has_value());
    const double sample = variables.Vo_t[333]; // of A, sample number 3332
    const TraceBand& band = TraceBands()[2];
    const auto ringAt = [&](double y) {
        const QImage image = plotImage();
        const QSizeF area = form2().plot().contentsRect().size();
        const QPointF edge = PlotToPixel(33.33f, static_cast<float>(y), area) + QPointF(4, 0);
        return BlackNear(image, edge);
    };
    EXPECT_TRUE(ringAt(FittedY(sample, band, (*app.form2().plotView().fittedBands())[2])));
    EXPECT_FALSE(ringAt(sample * band.factor / variables.VoMax + band.zeroLine));
}

// While measuring, choosing a trace with its button, by the mouse (Vo) or then with the arrow
// keys from there (id), moves both cursors onto it, each on its sample, and the plot takes the
// keyboard back: Right then steps the active cursor.
TEST_F(MeasuringCursorsTest, ChoosingATraceMovesBothCursorsAndGivesTheKeysBackToThePlot) {
    measure(true);
    const auto byMouse = [&] { QTest::mouseClick(&control(form2(), "Option3"), Qt::LeftButton); };
    const auto byKeys = [&] {
        QWidget& option = control(form2(), "Option3");
        ASSERT_TRUE(focus(option));
        QTest::keyClick(&option, Qt::Key_Down);
    };
    const struct {
        const char* how;
        std::function<void()> choose;
        Trace chosen;
    } cases[] = {{"mouse", byMouse, Trace::OutputVoltage}, {"keys", byKeys, Trace::DiodeCurrent}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        const std::int64_t a = number(CursorName::A);
        c.choose();
        EXPECT_EQ(cursors()[CursorName::A].trace, c.chosen);
        EXPECT_EQ(cursors()[CursorName::B].trace, c.chosen);
        EXPECT_EQ(form2().selection(), c.chosen);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form2().plot().hasFocus(); }));
        key(Qt::Key_Right);
        EXPECT_EQ(number(CursorName::A), a + 1);
    }
}

// While measuring, the buttons show the active cursor's trace, whatever band the pointer
// reads; the tool tip still reads the band under it. Off, the pointer selects again.
TEST_F(MeasuringCursorsTest, HoveringDoesNotChangeTheMeasuredTrace) {
    measure(true);
    moveTo(450, 423);
    EXPECT_EQ(form2().selection(), Trace::InductorCurrent);
    EXPECT_EQ(cursors()[CursorName::A].trace, Trace::InductorCurrent);
    EXPECT_EQ(form2().plot().toolTip(), "t= 410,73usec ; Vo(t) = -2,79E+01V");
    measure(false);
    moveTo(450, 423);
    EXPECT_EQ(form2().selection(), Trace::OutputVoltage);
}

// The pixels that the cursors change in the plot's image, away from the columns of their
// lines, rings and names: the box of their readings, in logical pixels.
QRegion BoxPixels(const QImage& before, const QImage& after, const CursorOverlay& overlay,
                  QSizeF area) {
    const qreal ratio = after.devicePixelRatio();
    QRegion changed;
    for (int row = 0; row < area.height(); ++row) {
        for (int column = 0; column < area.width(); ++column) {
            const QPoint device = (QPointF(column, row) * ratio).toPoint();
            const bool nearALine = std::any_of(
                overlay.marks.begin(), overlay.marks.end(), [&](const CursorMark& mark) {
                    return mark.place == CursorPlace::InView &&
                           std::abs(PlotToPixel(mark.x, 0, area).x() - column) < 16;
                });
            if (!nearALine && before.pixel(device) != after.pixel(device)) {
                changed += QRect(column, row, 1, 1);
            }
        }
    }
    return changed;
}

// Zoomed and fitted, the box leaves the band of the trace it measures, the limits written at
// the left edge and the times written in the top-right corner uncovered.
TEST_F(MeasuringCursorsTest, TheBoxLeavesTheMeasuredBandAndTheLabelsUncovered) {
    form2().action(WaveformAction::FitBands).setChecked(true);
    form2().action(WaveformAction::ZoomIn).trigger();
    for (const Trace trace : {Trace::InductorCurrent, Trace::OutputVoltage}) {
        SCOPED_TRACE(BandIndex(trace));
        const QImage before = plotImage();
        form2().select(trace);
        measure(true);
        const QSizeF area = form2().plot().contentsRect().size();
        const QRegion box =
            BoxPixels(before, plotImage(), *app.form2().plotCursors().overlay(), area);
        EXPECT_FALSE(box.isEmpty());
        const TraceBand& band = RowOf(trace).band;
        const qreal top = PlotToPixel(0, static_cast<float>(band.fitBottom + 18), area).y();
        const qreal bottom = PlotToPixel(0, static_cast<float>(band.fitBottom), area).y();
        const QRect kept[] = {QRect(0, qFloor(top), qCeil(area.width()), qCeil(bottom - top)),
                              QRect(0, 0, 90, qCeil(area.height())),
                              QRect(qFloor(area.width()) - 160, 0, 160, 16)};
        for (const QRect& clear : kept) {
            EXPECT_FALSE(box.intersects(clear)) << testing::PrintToString(clear) << " covered by "
                                                << testing::PrintToString(box.boundingRect());
        }
        measure(false);
    }
}

// Zoomed in on 37.5 .. 62.5, A (plot x 33.3) lies before the view and B (66.7) after it: each
// is marked at the edge it lies beyond, near the top.
TEST_F(MeasuringCursorsTest, ACursorBeyondTheViewIsMarkedAtItsEdge) {
    measure(true);
    form2().action(WaveformAction::ZoomIn).trigger();
    form2().action(WaveformAction::ZoomIn).trigger();
    const std::optional<CursorOverlay>& overlay = app.form2().plotCursors().overlay();
    ASSERT_TRUE(overlay.has_value());
    EXPECT_EQ(overlay->marks[0].place, CursorPlace::BeforeView);
    EXPECT_EQ(overlay->marks[1].place, CursorPlace::AfterView);
    const QImage marked = plotImage();
    measure(false);
    const QImage bare = plotImage();
    const int width = form2().plot().contentsRect().width();
    for (const int left : {0, width - 20}) {
        int changed = 0;
        for (int row = 0; row < 40; ++row) {
            for (int column = left; column < left + 20; ++column) {
                const QPoint device = (QPointF(column, row) * marked.devicePixelRatio()).toPoint();
                changed += marked.pixel(device) != bare.pixel(device) ? 1 : 0;
            }
        }
        EXPECT_GT(changed, 30) << "edge at " << left;
    }
}

} // namespace
