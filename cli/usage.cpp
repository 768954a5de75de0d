// The checks of the options' texts and the usage line of a command line refused.
#include "cli/usage.h"

#include "cli/cli_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// The number that `text` is, read whole; a leading '+' is allowed, as in the fields.
std::optional<double> FiniteNumber(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The whole number that `text` is, in digits or as a number with an exponent.
std::optional<std::int64_t> Whole(std::string_view text) {
    std::int64_t whole = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (error == std::errc() && end == text.data() + text.size()) {
        return whole;
    }
    // Beyond the 64-bit integers a double is no longer exact: such a number is out of range.
    constexpr double outOfRange = 9.2e18;
    const std::optional<double> number = FiniteNumber(text);
    if (!number || std::trunc(*number) != *number || std::fabs(*number) > outOfRange) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(*number);
}

// The usage line's text `italian`, with %1, %2, ... filled in.
template <typename... Values> std::string Worded(const char* italian, const Values&... values) {
    return CliText("CliUsage", italian, values...);
}

// "a, b o c".
std::string Alternatives(const std::vector<std::string>& words) {
    const std::string last = Worded(QT_TRANSLATE_NOOP("CliUsage", " o "));
    std::string joined;
    for (std::size_t i = 0; i < words.size(); ++i) {
        joined += (i == 0 ? "" : i + 1 == words.size() ? last : ", ") + words[i];
    }
    return joined;
}

const CLI::App* ParsedCommand(const CLI::App& app) {
    const std::vector<CLI::App*> commands = app.get_subcommands();
    return commands.empty() ? nullptr : commands.front();
}

std::string MissingCommand(const CLI::App& app) {
    const std::vector<std::string> given = app.remaining();
    if (!given.empty() && !given.front().starts_with('-')) {
        return Worded(QT_TRANSLATE_NOOP("CliUsage", "comando sconosciuto: %1"), given.front());
    }
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands({})) {
        names.push_back(command->get_name());
    }
    return Worded(QT_TRANSLATE_NOOP("CliUsage", "manca il comando: %1"), Alternatives(names));
}

std::string MissingOption(const CLI::App& command) {
    for (const CLI::Option* option : command.get_options()) {
        if (option->get_required() && option->count() == 0) {
            return option->nonpositional()
                       ? Worded(QT_TRANSLATE_NOOP("CliUsage", "manca l'opzione %1"),
                                option->get_name())
                       : Worded(QT_TRANSLATE_NOOP("CliUsage", "manca l'argomento %1"),
                                option->get_name());
        }
    }
    return Worded(QT_TRANSLATE_NOOP("CliUsage", "manca un'opzione"));
}

std::string Unexpected(const std::vector<std::string>& extras) {
    std::string words;
    for (const std::string& extra : extras) {
        words += (words.empty() ? "" : " ") + extra;
    }
    return extras.size() > 1
               ? Worded(QT_TRANSLATE_NOOP("CliUsage", "argomenti inattesi: %1"), words)
               : Worded(QT_TRANSLATE_NOOP("CliUsage", "argomento inatteso: %1"), words);
}

// CLI11 names the option first: "<name>: ..." or "<name> excludes <other>".
std::string NameIn(const std::string& message, const std::string& after) {
    return message.substr(0, message.find(after));
}

std::string Reason(const CLI::ParseError& error, const CLI::App& app) {
    const CLI::App* command = ParsedCommand(app);
    const std::string message = error.what();
    if (dynamic_cast<const CLI::RequiredError*>(&error)) {
        return command ? MissingOption(*command) : MissingCommand(app);
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        return Unexpected((command ? *command : app).remaining());
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        return Worded(QT_TRANSLATE_NOOP("CliUsage", "l'opzione %1 vuole un valore"),
                      NameIn(message, ":"));
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
        const std::string excludes = " excludes ";
        const std::string name = NameIn(message, excludes);
        return Worded(QT_TRANSLATE_NOOP("CliUsage", "%1 e %2 si escludono: scegline una"), name,
                      message.substr(name.size() + excludes.size()));
    }
    if (dynamic_cast<const CLI::ValidationError*>(&error)) {
        // The checks above speak the language in use: "<name> vuole ...".
        const std::string name = NameIn(message, ": ");
        return name + " " + message.substr(std::min(message.size(), name.size() + 2));
    }
    return Worded(QT_TRANSLATE_NOOP("CliUsage", "riga di comando non valida"));
}

} // namespace

CLI::Validator FileSuffix(const std::string& suffix) {
    return CLI::Validator(
        [suffix](std::string& path) {
            const bool ends =
                path.size() > suffix.size() &&
                std::equal(suffix.rbegin(), suffix.rend(), path.rbegin(), [](char a, char b) {
                    return a == std::tolower(static_cast<unsigned char>(b));
                });
            return ends ? std::string()
                        : Worded(QT_TRANSLATE_NOOP("CliUsage",
                                                   "vuole un nome di file che finisca con %1"),
                                 suffix);
        },
        "");
}

CLI::Validator FileName() {
    return CLI::Validator(
        [](std::string& path) {
            return path.empty() ? Worded(QT_TRANSLATE_NOOP(
                                      "CliUsage", "vuole un nome di file, non un testo vuoto"))
                                : std::string();
        },
        "");
}

CLI::Validator OneOf(const std::vector<std::string>& words) {
    std::string set;
    for (const std::string& word : words) {
        set += (set.empty() ? "{" : ",") + word;
    }
    return CLI::Validator(
        [words](std::string& word) {
            return std::find(words.begin(), words.end(), word) != words.end()
                       ? std::string()
                       : Worded(QT_TRANSLATE_NOOP("CliUsage", "vuole %1, non %2"),
                                Alternatives(words), word);
        },
        set + "}");
}

CLI::Validator Number() {
    return CLI::Validator(
        [](std::string& text) {
            return FiniteNumber(text)
                       ? std::string()
                       : Worded(QT_TRANSLATE_NOOP("CliUsage",
                                                  "vuole un numero con il punto "
                                                  "decimale (ad es. 1.5 o 1E-5), non %1"),
                                text);
        },
        "");
}

CLI::Validator WholeNumber(std::int64_t least, std::int64_t most) {
    return CLI::Validator(
        [least, most](std::string& text) {
            const std::optional<std::int64_t> whole = Whole(text);
            if (!whole || *whole < least || *whole > most) {
                return Worded(
                    QT_TRANSLATE_NOOP("CliUsage", "vuole un numero intero da %1 a %2, non %3"),
                    std::to_string(least), std::to_string(most), text);
            }
            text = std::to_string(*whole);
            return std::string();
        },
        "INT in [" + std::to_string(least) + " - " + std::to_string(most) + "]");
}

std::string UsageLine(const std::string& command, const std::string& reason) {
    return Worded(QT_TRANSLATE_NOOP("CliUsage", "%1: %2 (vedi --help)"),
                  "inverter-cli" + (command.empty() ? "" : " " + command), reason);
}

std::string UsageLine(const CLI::ParseError& error, const CLI::App& app) {
    const CLI::App* command = ParsedCommand(app);
    return UsageLine(command ? command->get_name() : "", Reason(error, app));
}
