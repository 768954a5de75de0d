#include "ui/user_locale.h"

#include <QLocale>

// Qt gives the separator as a string; every locale's separator is a single UTF-16 unit.
char16_t UserDecimalSeparator() {
    return QLocale::system().decimalPoint().front().unicode();
}
