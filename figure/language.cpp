// The language of the tool's texts: the choice, and the English catalogue that translates them.
#include "figure/language.h"

#include "core/phrasebook.h"
#include "figure/qt_text.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace {

// Where the settings remember the choice, beside the tool's other remembered values.
constexpr auto settingsKey = "language";

QSettings ToolSettings() {
    return QSettings(QStringLiteral("inverter_buck_boost"), QStringLiteral("inverter"));
}

const char* CodeOf(Language language) {
    return language == Language::English ? "en" : "it";
}

// The English catalogue, compiled from translations/inverter_en.ts into the resources.
QTranslator& EnglishCatalogue() {
    static QTranslator catalogue;
    if (catalogue.isEmpty()) {
        (void)catalogue.load(QStringLiteral(":/i18n/inverter_en.qm"));
    }
    return catalogue;
}

Language inUse = Language::Italian;

// The sentences that core/ and display/ fill with figures, looked up whole in the catalogue.
Text EnglishPhrase(const char* context, const char* italian) {
    return ToText(Translated(context, italian));
}

} // namespace

std::optional<Language> LanguageNamed(std::string_view code) {
    if (code == "it") {
        return Language::Italian;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

Language ChosenLanguage(std::optional<Language> commandLine) {
    if (commandLine) {
        return *commandLine;
    }
    const QByteArray environment = qgetenv("INVERTER_LANG");
    if (const auto named = LanguageNamed(environment.toStdString())) {
        return *named;
    }
    const QString remembered = ToolSettings().value(QString::fromLatin1(settingsKey)).toString();
    return LanguageNamed(remembered.toStdString()).value_or(Language::Italian);
}

void RememberLanguage(Language language) {
    ToolSettings().setValue(QString::fromLatin1(settingsKey),
                            QString::fromLatin1(CodeOf(language)));
}

void UseLanguage(Language language) {
    if (language == inUse) {
        return;
    }
    inUse = language;
    UsePhrasebook(language == Language::English ? &EnglishPhrase : nullptr);
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    if (language == Language::English) {
        QCoreApplication::installTranslator(&EnglishCatalogue());
    } else {
        QCoreApplication::removeTranslator(&EnglishCatalogue());
    }
}

Language LanguageInUse() {
    return inUse;
}

QString Translated(const char* context, const char* italian) {
    if (inUse == Language::English) {
        const QString english = EnglishCatalogue().translate(context, italian);
        if (!english.isEmpty()) {
            return english;
        }
    }
    return QString::fromUtf8(italian);
}

QString TranslatedText(const Text& italian) {
    return Translated("CoreText", FromText(italian).toUtf8().constData());
}
