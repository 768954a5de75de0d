#include "app_fixture.h"

#include <QFontInfo>
#include <QRadioButton>
#include <QStyle>

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

TEST_F(StartStateTest, ControlsStandWhereTheLayoutPutsThemAt96Dpi) {
    ASSERT_EQ(app.form1().logicalDpiX(), 96);
    struct Case {
        const char* name;
        QRect pixels;
    };
    const Case cases[] = {{"Picture1", {16, 48, 641, 345}},  {"Text1", {752, 48, 137, 25}},
                          {"Text11", {120, 600, 129, 25}},   {"Command1", {728, 456, 193, 33}},
                          {"Command2", {120, 640, 129, 33}}, {"Label24", {752, 296, 137, 25}},
                          {"Label67", {912, 648, 105, 19}}};
    for (const Case& c : cases) {
        EXPECT_EQ(control(app.form1(), c.name).geometry(), c.pixels) << c.name;
    }
    EXPECT_EQ(app.form1().size(), QSize(1058, 691));
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

TEST_F(StartStateTest, FocusStartsOnTheSchematicAndWalksTheFields) {
    EXPECT_EQ(app.form1().focusWidget(), &control(app.form1(), "Picture1"));
    QStringList order;
    QWidget* widget = &control(app.form1(), "Picture1");
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != &control(app.form1(), "Picture1"));
    EXPECT_EQ(order.join(' '), "Picture1 Text1 Text2 Text3 Text4 Text5 Text6 Command1 Text7 Text8 "
                               "Text9 Text10 Text11 Text12 Command2 Text13 Text14 Command3 "
                               "Text15");
}

// Every text must be readable whole with the fonts the tool uses.
void ExpectNoTextCutOff(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QRect needed = label->fontMetrics().boundingRect(
            label->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), label->contentsRect().width()) << label->objectName().data();
        EXPECT_LE(needed.height(), label->contentsRect().height()) << label->objectName().data();
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().data();
    }
}

TEST_F(StartStateTest, NoTextIsCutOff) {
    ExpectNoTextCutOff(app.form1());
    const QLabel& legend = control<QLabel>(app.form1(), "Label51");
    EXPECT_EQ(legend.height() / legend.fontMetrics().lineSpacing(), 2) << "two lines";
    runExample();
    ExpectNoTextCutOff(form2());
}

TEST_F(StartStateTest, ResizingMovesNoControl) {
    const QList<QWidget*> controls = app.form1().findChildren<QWidget*>();
    std::vector<QRect> before;
    for (const QWidget* widget : controls) {
        before.push_back(widget->geometry());
    }
    app.form1().resize(1500, 900);
    app.form1().resize(400, 300);
    for (std::size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(controls[k]->geometry(), before[k]) << controls[k]->objectName().data();
    }
}

} // namespace
