// What every command of inverter-cli shares.
#include "cli/command_options.h"

#include "cli/cli_text.h"
#include "cli/usage.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view LanguageOption = "--lang";

// How many words the --lang at `argument` takes: 2 for "--lang en", 1 for "--lang=en", none
// for another word (and for a last "--lang" without its code, left for the parse to refuse).
int LanguageWords(std::string_view argument, bool last) {
    if (argument == LanguageOption) {
        return last ? 0 : 2;
    }
    return argument.starts_with(LanguageOption) &&
                   argument.substr(LanguageOption.size()).starts_with('=')
               ? 1
               : 0;
}

} // namespace

std::optional<Language> LanguageOnCommandLine(int argc, const char* const* argv) {
    std::optional<std::string_view> code;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const int words = LanguageWords(argument, i + 1 == argc);
        if (words == 2) {
            code = argv[++i];
        } else if (words == 1) {
            code = argument.substr(LanguageOption.size() + 1);
        }
    }
    return code ? LanguageNamed(*code) : std::nullopt;
}

std::vector<const char*> LanguageFirst(int argc, const char* const* argv) {
    std::vector<const char*> language{argv[0]};
    std::vector<const char*> rest;
    for (int i = 1; i < argc; ++i) {
        const int words = LanguageWords(argv[i], i + 1 == argc);
        if (words == 0) {
            rest.push_back(argv[i]);
            continue;
        }
        language.insert(language.end(), argv + i, argv + i + words);
        i += words - 1;
    }
    language.insert(language.end(), rest.begin(), rest.end());
    return language;
}

void AddLanguageOption(CLI::App& app) {
    app.add_option("--lang")
        ->description(CliText("Cli", QT_TRANSLATE_NOOP("Cli", "lingua dei messaggi")))
        ->check(OneOf({"it", "en"}))
        ->type_name("it|en")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void AddFieldOptions(CLI::App& command, const std::vector<FieldOption>& options,
                     CommandOptions& values, bool required) {
    for (const FieldOption& option : options) {
        // The fields' helps are marked for the catalogue where the fields are listed.
        std::string help = CliText("CliFields", option.help);
        if (option.defaultText) {
            help = CliText("Cli", QT_TRANSLATE_NOOP("Cli", "%1 (predefinito %2)"), help,
                           option.defaultText);
        }
        CLI::Option* added =
            command.add_option(std::string("--") + option.name, values.fields[option.name], help);
        // A later repetition wins, so that a script can override a shared set of options.
        added->type_name(CliText("Cli", QT_TRANSLATE_NOOP("Cli", "TESTO")))
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        if (option.defaultText) {
            values.fields[option.name] = option.defaultText;
        } else if (required) {
            added->required();
        }
    }
}

void AddFormatOption(CLI::App& command, std::string& format) {
    command
        .add_option("--format", format,
                    CliText("Cli", QT_TRANSLATE_NOOP("Cli", "formato dell'uscita: json (un "
                                                            "oggetto) o csv (intestazione e "
                                                            "righe)")))
        ->check(OneOf({"json", "csv"}))
        ->type_name("json|csv");
}

FieldTexts FieldsOf(const std::vector<FieldOption>& options, const CommandOptions& values) {
    FieldTexts fields;
    for (const FieldOption& option : options) {
        fields[option.box] = TextFromUtf8(values.fields.at(option.name));
    }
    return fields;
}

int Print(StandardOutput& output, const Report& report, const std::string& format, int done) {
    if (format == "csv") {
        WriteCsv(output.stream(), report);
    } else {
        WriteJson(output.stream(), report);
    }
    if (const auto failure = output.flush()) {
        std::cerr << *failure << '\n';
        return ExitFault;
    }
    return done;
}

int ExitOf(const RunStatus& status) {
    std::cerr << CliText(status.message) << '\n';
    return status.end == RunEnd::Faulted ? ExitFault : ExitRefused;
}

std::optional<RealParts> PartsOf(const CommandOptions& options) {
    const PartsRead read = ReadParts(options.parts);
    if (read.refusal) {
        std::cerr << *read.refusal << '\n';
        return std::nullopt;
    }
    return read.parts;
}

std::pair<std::int64_t, std::int64_t> ParseShard(const std::string& text) {
    const auto slash = text.find('/');
    try {
        std::size_t used = 0;
        const std::int64_t k = std::stoll(text.substr(0, slash), &used);
        const bool whole = used == slash;
        const std::string total = slash == std::string::npos ? "" : text.substr(slash + 1);
        const std::int64_t m = std::stoll(total, &used);
        if (whole && used == total.size() && k >= 0 && k < m) {
            return {k, m};
        }
    } catch (const std::logic_error&) {
    }
    throw UsageError(CliText(
        "Cli", QT_TRANSLATE_NOOP("Cli", "--shard vuole K/M con 0 <= K < M, ad es. 0/4: %1"), text));
}

void AddSplitOptions(CLI::App& command, int& jobs, std::string& shard, const std::string& rows) {
    command
        .add_option("-j,--jobs", jobs,
                    CliText("Cli", QT_TRANSLATE_NOOP("Cli", "thread di calcolo (predefinito: "
                                                            "tutti i core)")))
        ->transform(WholeNumber(1, 1024));
    command
        .add_option("--shard", shard,
                    CliText("Cli",
                            QT_TRANSLATE_NOOP("Cli", "calcola solo %1 con indice K modulo M (ogni "
                                                     "parte con l'intestazione), per dividere il "
                                                     "lavoro tra più macchine"),
                            rows))
        ->type_name("K/M");
}
