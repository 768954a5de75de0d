#pragma once

#include "core/conversions.h"
#include "figure/language.h"

#include <QByteArrayView>
#include <QString>

#include <string>

// The texts of inverter-cli in the language in use, as UTF-8 for the standard streams. Every
// text is written in Italian and marked for the catalogue (QT_TRANSLATE_NOOP) with the context of
// the room that shows it.

// `italian` of `context`, with %1, %2, ... filled in by `values` (UTF-8) in one pass, so that a
// value holding a '%' stays as it is.
template <typename... Values>
std::string CliText(const char* context, const char* italian, const Values&... values) {
    const QString text = Translated(context, italian);
    if constexpr (sizeof...(Values) == 0) {
        return text.toStdString();
    } else {
        return text.arg(QString::fromUtf8(QByteArrayView(values))...).toStdString();
    }
}

// A whole Italian message of core/ ("CoreText").
inline std::string CliText(const Text& italian) {
    return TranslatedText(italian).toStdString();
}
