// The inverter program: the application with its main window.
#include "figure/language.h"
#include "figure/window_look.h"
#include "ui/converter_app.h"
#include "ui/waveform_tools.h"

#include <QApplication>
#include <QCommandLineParser>
#include <iostream>

namespace {

// The language that `--lang en|it` names; nothing when the option is not given. A value that
// names no language stops the start.
std::optional<std::optional<Language>> LanguageOption(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("en|it"));
    parser.addOption(lang);
    (void)parser.parse(arguments);
    if (!parser.isSet(lang)) {
        return std::optional<Language>();
    }
    const std::optional<Language> named = LanguageNamed(parser.value(lang).toStdString());
    if (!named) {
        return std::nullopt;
    }
    return named;
}

} // namespace

// Starts the tool with its main window; the process ends when the last window is closed.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto language = LanguageOption(QApplication::arguments());
    if (!language) {
        std::cerr << "--lang: en | it\n";
        return 2;
    }
    UseLanguage(ChosenLanguage(*language));
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
