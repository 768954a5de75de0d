// The texts of inverter-cli in the language in use.
#include "cli/cli_text.h"

std::string CliText(const Text& italian) {
    return TranslatedText(italian).toStdString();
}
