#include "app_fixture.h"
#include "ui/progress_observer.h"

#include <QTimer>

namespace {

TEST(ProgressObserverTest, AShortRunShowsNoDialog) {
    ProgressObserver observer;
    EXPECT_TRUE(observer.keepGoing(0.5));
    EXPECT_EQ(OpenProgressDialog(), nullptr);
}

TEST(ProgressObserverTest, ALongRunShowsAModalDialogWhoseButtonStopsIt) {
    ProgressObserver observer(QStringLiteral("Simulazione in corso..."),
                              std::chrono::milliseconds(0));
    EXPECT_TRUE(observer.keepGoing(0.25));
    QProgressDialog* dialog = OpenProgressDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->labelText(), "Simulazione in corso...");
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dialog->value(), 250);
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Annulla");
    EXPECT_TRUE(observer.keepGoing(0.5));
    cancel->click();
    EXPECT_FALSE(observer.keepGoing(0.75));
}

using CancelledRunTest = AppTest;

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
