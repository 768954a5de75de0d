// The inverter program: the application with its main window.
#include "figure/window_look.h"
#include "ui/converter_app.h"
#include "ui/waveform_tools.h"

#include <QApplication>

// Starts the tool with its main window; the process ends when the last window is closed.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.inverter_buck_boost.Inverter"));
    // Fusion paints push buttons in their palette colour on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    RegisterWindowFonts();
    DialogMessageBox messages;
    Module1 variables;
    DialogSaveFileChooser files;
    ConverterApp app(variables, messages, files, UserDecimalSeparator());
    app.form1().show();
    return QApplication::exec();
}
