#pragma once

#include "core/conversions.h"

#include <QString>
#include <optional>
#include <string_view>

// The language of the tool's texts. The texts are written in Italian; the English catalogue
// (translations/inverter_en.ts, compiled into the tool) gives each its English form, looked up
// by the whole Italian text. The command line and the windows share the choice and the lookup;
// the lookup needs no application object.
enum class Language { Italian, English };

// The language of a code "it" or "en"; none for any other.
std::optional<Language> LanguageNamed(std::string_view code);

// The language the tool starts in: `commandLine` (--lang) when given, else the environment's
// INVERTER_LANG when it names one, else the choice remembered in the settings, else Italian,
// whatever the desktop's locale.
Language ChosenLanguage(std::optional<Language> commandLine);

// Remembers `language` in the settings, for the next start.
void RememberLanguage(Language language);

// Shows every text in `language` from now on. With an application object, its windows are
// told (QEvent::LanguageChange) and translate their texts again.
void UseLanguage(Language language);
Language LanguageInUse();

// `italian` (UTF-8) of the translation context `context`, in the language in use.
QString Translated(const char* context, const char* italian);

// A text that the handlers or the analysis wrote in Italian, in the language in use: the whole
// Italian text is looked up in the context "CoreText".
QString TranslatedText(const Text& italian);
