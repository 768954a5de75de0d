#include "app_fixture.h"

#include <QFontInfo>

namespace {

using StartStateTest = AppTest;

TEST_F(StartStateTest, FieldsAndResultsShowTheLayoutTexts) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {{"Text1", ""},
                          {"Text6", ""},
                          {"Text7", ""},
                          {"Text12", ""},
                          {"Text13", "1000"},
                          {"Text14", "10"},
                          {"Text15", "5000"},
                          {"Label24", ""},
                          {"Label32", ""},
                          {"Label9", "Δ"},
                          {"Label45", "[Ω]"},
                          {"Command2", "Grafici"},
                          {"Label60", "toff = intervallo di tempo in cui l'iterruttore è aperto"},
                          {"Label59", "ton =  intervallo di tempo in cui l'interruttore è chiuso"}};
    for (const Case& c : cases) {
        EXPECT_EQ(form1Text(c.name), QString::fromUtf8(c.text)) << c.name;
    }
    EXPECT_EQ(app.form1().windowTitle(), "Convertitore step down");
    EXPECT_FALSE(app.form1().windowIcon().isNull());
    EXPECT_EQ(app.form2().window(), nullptr);
}

TEST_F(StartStateTest, LooksFollowTheControlsPurpose) {
    struct Case {
        const char* name;
        QPalette::ColorRole role;
        QColor color;
    };
    const Case cases[] = {{"Text1", QPalette::Base, QColor(192, 192, 255)},
                          {"Text7", QPalette::Base, QColor(255, 192, 192)},
                          {"Label26", QPalette::Window, QColor(192, 192, 255)},
                          {"Command3", QPalette::Button, QColor(192, 192, 255)},
                          {"Command2", QPalette::Button, QColor(255, 192, 192)},
                          {"Label67", QPalette::Window, QColor(192, 255, 255)},
                          {"Text9", QPalette::Text, QColor(0, 0, 0)}};
    for (const Case& c : cases) {
        EXPECT_EQ(control(app.form1(), c.name).palette().color(c.role), c.color) << c.name;
    }
    const QFont title = control(app.form1(), "Label2").font();
    EXPECT_EQ(QFontInfo(title).family(), "Liberation Sans");
    EXPECT_TRUE(title.bold());
    EXPECT_EQ(title.pointSizeF(), 18);
    EXPECT_FALSE(control(app.form1(), "Label67").font().bold());
    EXPECT_EQ(control<QLabel>(app.form1(), "Label25").alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(control<QLineEdit>(app.form1(), "Text4").maxLength(), 32766);
    EXPECT_FALSE(control(app.form1(), "Text5").accessibleName().isEmpty());
}

} // namespace
