#pragma once

#include "core/conversions.h"

#include <QString>

// The handlers' texts are UTF-16, as Qt's strings are: each converts to the other unit for
// unit.

inline QString FromText(const Text& text) {
    return QString::fromStdU16String(text);
}

inline Text ToText(const QString& text) {
    return text.toStdU16String();
}
