#pragma once

#include "figure/language.h"

#include <QString>

// The title of every message box and dialog, in the language in use: the tool's name, one of
// the core's texts.
inline QString ApplicationTitle() {
    return Translated("CoreText", QT_TRANSLATE_NOOP("CoreText", "Convertitore tipo inverter"));
}
