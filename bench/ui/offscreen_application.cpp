#include "offscreen_application.h"

#include "figure/window_look.h"

#include <QApplication>
#include <QPushButton>

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

DesignedExample::DesignedExample() : app_(variables_, messages_, files_, u'.') {
    app_.form1().command3().click();
    app_.form1().command1().click();
}

void DesignedExample::typeCounts(const char16_t* n, const char16_t* ni, const char16_t* np) {
    app_.form1().setText(TextBox::Text13, n);
    app_.form1().setText(TextBox::Text15, ni);
    if (np != nullptr) {
        app_.form1().setText(TextBox::Text14, np);
    }
}
