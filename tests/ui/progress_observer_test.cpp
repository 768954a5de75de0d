#include "app_fixture.h"
#include "ui/progress_observer.h"

#include <QRegularExpression>
#include <QTimer>
#include <QtTest/QTest>

namespace {

// An observer whose dialog opens at its first question.
class ProgressObserverTest : public testing::Test {
protected:
    ProgressObserver observer{QStringLiteral("Simulazione in corso..."),
                              std::chrono::milliseconds(0)};
    QProgressDialog* openAt(double fractionDone) {
        EXPECT_TRUE(observer.keepGoing(fractionDone));
        return OpenProgressDialog();
    }
};

TEST_F(ProgressObserverTest, AShortRunShowsNoDialog) {
    ProgressObserver delayed;
    EXPECT_TRUE(delayed.keepGoing(0.5));
    EXPECT_EQ(OpenProgressDialog(), nullptr);
}

TEST_F(ProgressObserverTest, ALongRunShowsAModalDialogWhoseButtonStopsIt) {
    QProgressDialog* dialog = openAt(0.25);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->labelText().startsWith("Simulazione in corso...\n"));
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dialog->value(), 250);
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Annulla");
    EXPECT_TRUE(observer.keepGoing(0.5));
    cancel->click();
    EXPECT_FALSE(observer.keepGoing(0.75));
}

// Under its label the dialog names the period a simulation has reached, out of NI, and about
// how long the task has left at the pace kept so far: none is estimated before any fraction is
// done, and an export names no period.
TEST_F(ProgressObserverTest, TheLabelNamesThePeriodReachedAndTheTimeLeft) {
    QProgressDialog* dialog = openAt(0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->labelText(), "Simulazione in corso...\nTempo rimanente: in stima");
    const struct {
        double fraction;
        std::int32_t period;
        const char* line; // the line under the label, a regular expression
    } cases[] = {
        {1.0 / 1000, 1, "Al periodo 1 di 1000; tempo rimanente: circa \\d+ (s|min \\d\\d s)"},
        {1.0, 1000, "Al periodo 1000 di 1000; tempo rimanente: meno di un secondo"},
        {1e-5, 1, "Al periodo 1 di 1000; tempo rimanente: circa \\d+ h \\d\\d min"},
        {1e-12, 1, "Al periodo 1 di 1000; tempo rimanente: oltre 100 ore"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const QRegularExpression expected(QStringLiteral("^Simulazione in corso\\.\\.\\.\\n") +
                                          QString::fromUtf8(c.line) + u'$');
        // The label follows within its refresh time.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return observer.keepGoingInPeriod(c.fraction, c.period, 1000) &&
                   expected.match(dialog->labelText()).hasMatch();
        })) << dialog->labelText().toStdString();
    }
}

using CancelledRunTest = AppTest;

// The dialog of a long verification follows its periods, out of the NI typed.
TEST_F(CancelledRunTest, TheDialogNamesThePeriodReachedOutOfNI) {
    runExample();
    type("Text10", "100000"); // settles so slowly that every one of the periods runs
    type("Text15", "1000000");
    QString shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&shown] {
        if (QProgressDialog* progress = OpenProgressDialog()) {
            shown = progress->labelText();
            progress->cancel();
        }
    });
    watch.start(10);
    click("Command2");
    watch.stop();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Simulazione in corso\\.\\.\\.\\nAl periodo "
                                                  "[1-9]\\d* di 1000000; tempo rimanente: "))
                    .match(shown)
                    .hasMatch())
        << shown.toStdString();
}

// "Annulla" leaves no number that was not measured: the value boxes of the previous run are
// emptied and the plot says why it has no traces. The next complete run fills everything.
TEST_F(CancelledRunTest, ShowsNoNumberUntilTheNextCompleteRun) {
    runExample();
    ASSERT_NE(app.form2().window(), nullptr);
    ASSERT_FALSE(valueTexts().contains(QString()));
    runCancelledAtTheProgressDialog();
    ASSERT_NE(app.form2().window(), nullptr);
    EXPECT_EQ(valueTexts(), QStringList(5, QString()));
    EXPECT_EQ(form2().plot().accessibleDescription(), "Simulazione annullata");
    type("Text10", "60");
    type("Text15", "5000");
    click("Command2");
    EXPECT_FALSE(valueTexts().contains(QString()));
    EXPECT_TRUE(form2().plot().accessibleDescription().isEmpty());
}

} // namespace
