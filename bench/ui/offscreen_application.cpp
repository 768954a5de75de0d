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
    static QApplication application(argc, argv);
    RegisterWindowFonts();
    QApplication::setQuitOnLastWindowClosed(false);
}
