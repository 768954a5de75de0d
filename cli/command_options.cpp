// What every command of inverter-cli shares.
#include "cli/command_options.h"

#include "cli/usage.h"
#include "figure/language.h"

#include <iostream>

void AddFieldOptions(CLI::App& command, const std::vector<FieldOption>& options,
                     CommandOptions& values, bool required) {
    for (const FieldOption& option : options) {
        std::string help = option.help;
        if (option.defaultText) {
            help += std::string(" (predefinito ") + option.defaultText + ")";
        }
        CLI::Option* added =
            command.add_option(std::string("--") + option.name, values.fields[option.name], help);
        // A later repetition wins, so that a script can override a shared set of options.
        added->type_name("TESTO")->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
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
                    "formato dell'uscita: json (un oggetto) o csv (intestazione e righe)")
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
    std::cerr << TranslatedText(status.message).toStdString() << '\n';
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
    throw UsageError("--shard vuole K/M con 0 <= K < M, ad es. 0/4: " + text);
}

void AddSplitOptions(CLI::App& command, int& jobs, std::string& shard, const std::string& rows) {
    command.add_option("-j,--jobs", jobs, "thread di calcolo (predefinito: tutti i core)")
        ->transform(WholeNumber(1, 1024));
    command
        .add_option("--shard", shard,
                    "calcola solo " + rows +
                        " con indice K modulo M (ogni parte con l'intestazione), per dividere il "
                        "lavoro tra più macchine")
        ->type_name("K/M");
}
