#include "app_fixture.h"
#include "ui/progress_observer.h"

namespace {

TEST(ProgressObserverTest, AShortRunShowsNoDialog) {
    ProgressObserver observer;
    EXPECT_TRUE(observer.keepGoing(0.5));
    EXPECT_EQ(OpenProgressDialog(), nullptr);
}

TEST(ProgressObserverTest, ALongRunShowsAModalDialogWhoseButtonStopsIt) {
    ProgressObserver observer(std::chrono::milliseconds(0));
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

} // namespace
