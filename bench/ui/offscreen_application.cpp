#include "offscreen_application.h"

#include "ui/controls.h"

#include <QApplication>

void EnsureOffscreenApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "converter_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: a static application would be torn down after Qt's own per-thread
    // storage at exit, and unregistering the fonts then crashes the finished run.
    new QApplication(argc, argv);
    RegisterWindowFonts();
    QApplication::setQuitOnLastWindowClosed(false);
}
