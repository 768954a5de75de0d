#include "app_fixture.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <utility>

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
