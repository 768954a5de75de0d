#include "app_fixture.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

using KeyboardTest = AppTest;

TEST_F(KeyboardTest, ReturnAndEnterPressAFocusedButton) {
    for (const char* name : {"Command1", "Command2", "Command3"}) {
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::NoModifier},
                                             std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
            auto& button = control<QPushButton>(app.form1(), name);
            const QSignalSpy clicks(&button, &QPushButton::clicked);
            QTest::keyClick(&button, key, modifiers);
            EXPECT_EQ(clicks.count(), 1) << name << " key " << key;
        }
    }
}

// The schematic holds the focus when the window opens, and says so with a dotted frame in the
// highlight colour, which nothing else in the picture has.
TEST_F(KeyboardTest, TheSchematicShowsThatItHoldsTheFocus) {
    MainWindow& form1 = app.form1();
    form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
    QWidget& schematic = control(form1, "Picture1");
    const QRgb highlight = schematic.palette().color(QPalette::Highlight).rgb();
    const auto highlighted = [&] {
        const QImage image = schematic.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return std::count(pixels, pixels + image.width() * image.height(), highlight | 0xff000000);
    };
    ASSERT_TRUE(schematic.hasFocus());
    EXPECT_GT(highlighted(), schematic.width());
    control(form1, "Text1").setFocus();
    EXPECT_EQ(highlighted(), 0);
}

// The pixels of a widget's border, `width` window pixels wide, in device pixels.
std::vector<QRgb> BorderPixels(const QImage& image, int width) {
    const int border = qRound(width * image.devicePixelRatio());
    std::vector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x >= border && x < image.width() - border && y >= border &&
                                y < image.height() - border;
            if (!inside) {
                pixels.push_back(image.pixel(x, y) | 0xff000000);
            }
        }
    }
    return pixels;
}

// While the plot holds the keyboard, its border is a dashed frame of black and white alone,
// readable on any background, every device pixel of it wholly one or the other (no grey of a
// half-covered pixel, also at two device pixels to a window pixel); without the keyboard it is
// the sunken border again, without black.
TEST_F(KeyboardTest, ThePlotShowsAFrameWhileItHoldsTheKeyboard) {
    runExample();
    ASSERT_TRUE(activateForm2());
    PlotBox& plot = form2().plot();
    ASSERT_TRUE(focus(plot));
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    const std::vector<QRgb> framed = BorderPixels(plot.grab().toImage(), plot.frameWidth());
    const auto blacks = std::count(framed.begin(), framed.end(), black);
    EXPECT_GT(blacks, qsizetype(framed.size() / 4));
    EXPECT_GT(std::count(framed.begin(), framed.end(), white), qsizetype(framed.size() / 4));
    EXPECT_EQ(blacks + std::count(framed.begin(), framed.end(), white), qsizetype(framed.size()));
    ASSERT_TRUE(focus(control(form2(), "Option1")));
    const std::vector<QRgb> bare = BorderPixels(plot.grab().toImage(), plot.frameWidth());
    EXPECT_EQ(std::count(bare.begin(), bare.end(), black), 0);
}

using ScreenReaderTest = AppTest;

// A box that shows a number is named by what it holds; the number shown is its description.
TEST_F(ScreenReaderTest, EveryValueBoxGivesItsNameAndTheNumberItShows) {
    runExample();
    struct Case {
        QWidget& window;
        const char* box;
    };
    const Case cases[] = {{app.form1(), "Label24"}, {app.form1(), "Label25"},
                          {app.form1(), "Label26"}, {app.form1(), "Label27"},
                          {app.form1(), "Label32"}, {form2(), "Label2"},
                          {form2(), "Label5"},      {form2(), "Label8"},
                          {form2(), "Label9"},      {form2(), "Label16"}};
    QStringList names;
    for (const Case& c : cases) {
        auto& box = control<QLabel>(c.window, c.box);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
        ASSERT_NE(accessible, nullptr) << c.box;
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(box.text().isEmpty()) << c.box;
        EXPECT_NE(name, box.text()) << c.box;
        EXPECT_EQ(accessible->text(QAccessible::Description), box.text()) << c.box;
        names << name;
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), qsizetype(std::size(cases)));
}

// Before the first verification writes them, the waveform window's boxes show their own names,
// and say the same.
TEST_F(ScreenReaderTest, AFreshValueBoxGivesTheTextItShows) {
    WaveformWindow fresh;
    auto& box = control<QLabel>(fresh, "Label9");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    EXPECT_EQ(accessible->text(QAccessible::Description), "Label9");
}

} // namespace
