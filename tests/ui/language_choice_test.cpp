#include "app_fixture.h"
#include "figure/language.h"
#include "settings_folder.h"

#include <QAction>
#include <QDir>
#include <QMenuBar>

namespace {

// Each case in a settings folder of its own; INVERTER_LANG is unset unless the case sets it.
class LanguageChoiceTest : public testing::Test {
protected:
    void SetUp() override {
        EmptyOwnSettingsFolder();
        qunsetenv("INVERTER_LANG");
    }
    void TearDown() override {
        qunsetenv("INVERTER_LANG");
        show(Language::Italian);
    }
    static void show(Language language) {
        UseLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};

// --lang, then INVERTER_LANG, then the remembered choice, then Italian.
TEST_F(LanguageChoiceTest, TheCommandLineThenTheEnvironmentThenTheSettingsChoose) {
    using enum Language;
    struct Case {
        std::optional<Language> commandLine;
        const char* environment; // nullptr: unset
        std::optional<Language> remembered;
        Language chosen;
    };
    const Case cases[] = {
        {std::nullopt, nullptr, std::nullopt, Italian},
        {std::nullopt, nullptr, English, English},
        {std::nullopt, "en", Italian, English},
        {std::nullopt, "it", English, Italian},
        {std::nullopt, "fr", English, English},
        {std::nullopt, "", std::nullopt, Italian},
        {Italian, "en", English, Italian},
        {English, "it", Italian, English},
    };
    for (const Case& c : cases) {
        if (c.remembered) {
            RememberLanguage(*c.remembered);
        } else {
            QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively();
        }
        if (c.environment != nullptr) {
            qputenv("INVERTER_LANG", c.environment);
        } else {
            qunsetenv("INVERTER_LANG");
        }
        EXPECT_EQ(ChosenLanguage(c.commandLine), c.chosen)
            << (c.environment != nullptr ? c.environment : "unset");
    }
}

TEST_F(LanguageChoiceTest, OnlyItAndEnNameALanguage) {
    EXPECT_EQ(LanguageNamed("it"), Language::Italian);
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    for (const char* code : {"", "IT", "en_US", "de"}) {
        EXPECT_EQ(LanguageNamed(code), std::nullopt) << code;
    }
}

// Either window's menu "Lingua / Language" shows both windows in the chosen language at once,
// checks it in both menus and remembers it.
TEST_F(LanguageChoiceTest, TheMenuOfEitherWindowChoosesAndRemembers) {
    MessageRecorder messages;
    FileChooserStub files;
    Module1 variables;
    ConverterApp app{variables, messages, files, u','};
    app.form1().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    app.form1().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    app.form1().findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    WaveformWindow* form2 = app.form2().window();
    ASSERT_NE(form2, nullptr);
    const auto menuAction = [](QWidget& window, const char* name) {
        return window.findChild<QMenuBar*>()->findChild<QAction*>(QString::fromUtf8(name));
    };
    const auto command3 = [&] {
        return app.form1().findChild<QPushButton*>(QStringLiteral("Command3"))->text();
    };
    ASSERT_TRUE(menuAction(app.form1(), "actionItalian")->isChecked());
    EXPECT_EQ(menuAction(app.form1(), "menuLanguage"), nullptr);

    menuAction(app.form1(), "actionEnglish")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(command3(), "Sample Data");
    EXPECT_EQ(form2->windowTitle(), "Real waveforms");
    EXPECT_TRUE(menuAction(*form2, "actionEnglish")->isChecked());
    EXPECT_EQ(ChosenLanguage(std::nullopt), Language::English);

    menuAction(*form2, "actionItalian")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(command3(), "Dati Esempio");
    EXPECT_EQ(app.form1().windowTitle(), "Convertitore step down");
    EXPECT_TRUE(menuAction(app.form1(), "actionItalian")->isChecked());
    EXPECT_EQ(ChosenLanguage(std::nullopt), Language::Italian);
}

// The handlers' Italian messages are shown in English whole; a text the catalogue does not
// hold (a number, a file name) is shown as it is.
TEST_F(LanguageChoiceTest, TheHandlersMessagesAreTranslatedWhole) {
    struct Case {
        const char16_t* italian;
        const char* english;
    };
    const Case cases[] = {
        {u"La frequenza non può essere zero o negativa!",
         "The frequency cannot be zero or negative!"},
        {u"Hai dimenticato di scrivere il numero dei campioni N",
         "You forgot to write the number of samples N"},
        {u"Errore di calcolo: divisione per zero.", "Calculation error: division by zero."},
        {u"1.5E-3", "1.5E-3"},
    };
    show(Language::English);
    for (const Case& c : cases) {
        EXPECT_EQ(TranslatedText(c.italian), QString::fromUtf8(c.english));
    }
    show(Language::Italian);
    for (const Case& c : cases) {
        EXPECT_EQ(TranslatedText(c.italian), QString::fromUtf16(c.italian));
    }
}

} // namespace
