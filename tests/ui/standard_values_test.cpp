#include "app_fixture.h"
#include "ui/standard_values_dialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QtTest/QTest>

namespace {

using StandardValuesTest = AppTest;

// Progetto > Valori normalizzati follows the last design: on after one that completed, off after
// one that was refused. Its values go into the verification only when asked.
TEST_F(StandardValuesTest, SnappedValuesReachTheVerificationOnlyWhenAsked) {
    QAction& action = control<QAction>(app.form1(), "actionStandardValues");
    EXPECT_FALSE(action.isEnabled());
    click("Command3");
    click("Command1");
    ASSERT_TRUE(action.isEnabled());
    const QString designed = control<QLineEdit>(app.form1(), "Text9").text();
    EXPECT_EQ(designed, "7.990E+03");

    action.trigger();
    QPointer<StandardValuesDialog> dialog = app.form1().findChild<StandardValuesDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    const QString shown = control<QLabel>(*dialog, "SnappedValuesLabel").text();
    control<QPushButton>(*dialog, "UseSnappedButton").click();
    QTRY_VERIFY(dialog == nullptr);
    EXPECT_TRUE(shown.contains("L: progettata 7,9901 mH, normalizzata 8,2 mH"))
        << shown.toStdString();
    EXPECT_EQ(control<QLineEdit>(app.form1(), "Text9").text(), "8200");
    EXPECT_EQ(control<QLineEdit>(app.form1(), "Text10").text(), "100");

    click("Command1"); // the design writes its own values again
    EXPECT_EQ(control<QLineEdit>(app.form1(), "Text9").text(), designed);
    type("Text1", "0");
    click("Command1");
    EXPECT_FALSE(action.isEnabled());
}

// Each series snaps the worked design's 7.99 mH and 94.7 uF up to its own values.
TEST_F(StandardValuesTest, EachSeriesGivesItsOwnValues) {
    const CompletedDesign design{{15, 0.625, 11000, 7990e-6, 94.7e-6, 250}, 7990, 94.7};
    StandardValuesDialog dialog(design, u',');
    struct Case {
        int series;
        double L;
        double C;
    };
    const Case cases[] = {
        {0, 10000, 100}, {1, 8200, 100}, {2, 8200, 100}, {3, 8250, 95.3}, {4, 8060, 95.3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series);
        control<QComboBox>(dialog, "SeriesBox").setCurrentIndex(c.series);
        EXPECT_DOUBLE_EQ(dialog.snapped().LMicro, c.L);
        EXPECT_DOUBLE_EQ(dialog.snapped().CMicro, c.C);
        EXPECT_GT(dialog.snapped().steady.DeltaiL, 0);
    }
}

} // namespace
