#include "app_fixture.h"
#include "ui/converter_app.h"

#include <QMessageBox>
#include <QTimer>

namespace {

class LifetimeTest : public AppTest {
protected:
    LifetimeTest() { QApplication::setQuitOnLastWindowClosed(true); }
    ~LifetimeTest() override { QApplication::setQuitOnLastWindowClosed(false); }

    // Closes one window, checks that the tool still runs, closes the other one and returns
    // whether the event loop then ended by itself.
    bool quitsAfterClosingBoth(bool mainWindowFirst) {
        app.form1().show();
        runExample();
        QApplication::processEvents();
        QWidget* form1 = &app.form1();
        QWidget* form2 = app.form2().window();
        QWidget* first = mainWindowFirst ? form1 : form2;
        QWidget* second = mainWindowFirst ? form2 : form1;
        bool runningAfterFirst = false;
        QTimer::singleShot(0, first, &QWidget::close);
        QTimer::singleShot(50, second, [&] {
            runningAfterFirst = true;
            second->close();
        });
        QTimer::singleShot(5000, [] { QApplication::exit(1); });
        return QApplication::exec() == 0 && runningAfterFirst;
    }
};

TEST_F(LifetimeTest, TheToolEndsWhenTheMainWindowIsClosedLast) {
    EXPECT_TRUE(quitsAfterClosingBoth(false));
}

TEST_F(LifetimeTest, TheToolEndsWhenTheWaveformWindowIsClosedLast) {
    EXPECT_TRUE(quitsAfterClosingBoth(true));
}

TEST(DialogMessageBoxTest, ShowsTheTextWithTheTitleAnOkButtonAndNoIcon) {
    QMessageBox* shown = nullptr;
    QString text;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (shown != nullptr) {
            text = shown->text();
            EXPECT_EQ(shown->windowTitle(), "Convertitore tipo inverter");
            EXPECT_EQ(shown->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(shown->standardButtons(), QMessageBox::Ok);
            shown->accept();
        }
    });
    DialogMessageBox().MsgBox(u"Hai dimenticato di scrivere il numero dei campioni N");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(text, "Hai dimenticato di scrivere il numero dei campioni N");
}

} // namespace
