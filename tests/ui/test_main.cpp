#include "figure/window_look.h"

#include <QApplication>
#include <gtest/gtest.h>

// The windows need a QApplication for the whole run; without a screen they draw offscreen.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    RegisterWindowFonts();
    // Tests open and close windows without an event loop; only the lifetime tests let the
    // closing of the last window end the loop.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
