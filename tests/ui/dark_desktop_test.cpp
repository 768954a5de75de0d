#include "app_fixture.h"
#include "figure/window_look.h"

#include <QPalette>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

// The palette of a desktop in a dark theme: light texts on dark windows, fields and buttons.
QPalette DarkDesktopPalette() {
    QPalette palette;
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
        palette.setColor(role, QColor(224, 224, 224));
    }
    const std::pair<QPalette::ColorRole, int> greys[] = {
        {QPalette::Window, 45}, {QPalette::Base, 30},  {QPalette::AlternateBase, 40},
        {QPalette::Button, 53}, {QPalette::Light, 80}, {QPalette::Midlight, 66},
        {QPalette::Mid, 40},    {QPalette::Dark, 25},  {QPalette::Shadow, 10}};
    for (const auto& [role, grey] : greys) {
        palette.setColor(role, QColor(grey, grey, grey));
    }
    return palette;
}

// The desktop switches to its dark theme for the lifetime of this object. Qt tells the widgets
// of a new palette through the event loop.
class DarkDesktop {
public:
    DarkDesktop() {
        QApplication::setPalette(DarkDesktopPalette());
        QApplication::processEvents();
    }
    ~DarkDesktop() {
        QApplication::setPalette(saved_);
        QApplication::processEvents();
    }

private:
    QPalette saved_ = QApplication::palette();
};

// Relative luminance and contrast ratio as the web content accessibility guidelines define them.
double Luminance(const QColor& color) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const auto [darker, lighter] = std::minmax({Luminance(a), Luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour of most pixels inside a control's border, painted without its text: the background
// the text stands on (of a button's shaded face, the commonest shade).
QColor PaintedBackground(QWidget& control) {
    const QVariant text = control.property("text");
    control.setProperty("text", QString());
    const QRect inside =
        QRect(control.mapTo(control.window(), QPoint()), control.size()).adjusted(2, 2, -2, -2);
    const QImage image = control.window()->grab(inside).toImage();
    control.setProperty("text", text);
    std::map<QRgb, int> counts;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            ++counts[image.pixel(column, row)];
        }
    }
    const auto most =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    return QColor(most->first);
}

QColor TextColor(const QWidget& control) {
    return control.palette().color(control.foregroundRole());
}

// The trace captions keep the pure colours of their traces, which no light background brings
// to a contrast of 4.5 : 1.
bool IsDimTraceCaption(const QWidget& control) {
    const std::string name = NameOf(control);
    return name == "Option1" || name == "Option2" || name == "Option5";
}

// Both windows keep their light face, the backgrounds that group the controls and the trace
// colours, and every text reaches a contrast of 4.5 : 1 against what is painted behind it.
void ExpectTheLightFace(QWidget& form1, QWidget& form2) {
    struct Case {
        QWidget& window;
        const char* name;
        QRgb background;
        QRgb text;
    };
    const QRgb lightFace = qRgb(239, 239, 239);
    const QRgb black = qRgb(0, 0, 0);
    const Case cases[] = {
        {form1, "Label2", lightFace, black},
        {form1, "Label24", LightBlue, black},
        {form1, "Text7", LightPink, black},
        {form1, "Label67", LightCyan, black},
        {form2, "Label5", White, black},
        {form2, "Option1", lightFace, qRgb(255, 0, 0)},
        {form2, "Option3", lightFace, qRgb(0, 0, 255)},
    };
    for (const Case& c : cases) {
        QWidget* control = Named(c.window, c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(PaintedBackground(*control), QColor(c.background)) << c.name;
        EXPECT_EQ(TextColor(*control), QColor(c.text)) << c.name;
    }
    for (QWidget* window : {&form1, &form2}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->property("text").toString().isEmpty() || IsDimTraceCaption(*control)) {
                continue;
            }
            EXPECT_GE(Contrast(TextColor(*control), PaintedBackground(*control)), 4.5)
                << NameOf(*window) << ' ' << NameOf(*control);
        }
    }
}

// The desktop is dark before the tool starts: the base comes first, so the windows are built
// under the dark palette.
class DarkDesktopAtStartTest : private DarkDesktop, public AppTest {};

TEST_F(DarkDesktopAtStartTest, BothWindowsKeepTheirLightFace) {
    runExample();
    ExpectTheLightFace(app.form1(), form2());
}

using ThemeChangeTest = AppTest;

TEST_F(ThemeChangeTest, BothWindowsKeepTheirLightFaceWhenTheDesktopTurnsDark) {
    runExample();
    const DarkDesktop desktop;
    ExpectTheLightFace(app.form1(), form2());
}

} // namespace
