#include "app_fixture.h"
#include "display/trace_geometry.h"
#include "figure/plot_mapping.h"

#include <QAccessible>
#include <QAction>
#include <QtTest/QTest>
#include <cstdint>
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
        {std::nullopt, "A: t = 303,00 µs  iL = 2,70E-01 A\nB: t = 606,09 µs  iL = 3,09E-01 A\n"
                       "Δt = 303,09 µs\n1/Δt = 3,30E+03 Hz\nΔiL = 3,82E-02 A\nmedia = 2,70E-01 A\n"
                       "RMS = 2,72E-01 A"},
        {Trace::OutputVoltage,
         "A: t = 303,00 µs  Vo = -2,50E+01 V\nB: t = 606,09 µs  Vo = -2,50E+01 V\n"
         "Δt = 303,09 µs\n1/Δt = 3,30E+03 Hz\nΔVo = 1,96E-02 V\nmedia = -2,50E+01 V\n"
         "RMS = 2,50E+01 V"},
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
    const Text value = Format(variables.Vo_t[static_cast<std::size_t>(a.sample)], "0.00E+00", u',');
    EXPECT_TRUE(readings().value(0).endsWith(" Vo = " + QString::fromStdU16String(value) + " V"))
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

} // namespace
