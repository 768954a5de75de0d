// The real parts' options of the command line and their strict reading.
#include "cli/part_options.h"

void AddPartOptions(CLI::App& command, PartTexts& texts) {
    for (const PartEntry& option : PartTable()) {
        command.add_option(std::string("--") + option.name, texts[option.name], option.label)
            ->type_name("NUMERO")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
}

PartsRead ReadParts(const PartTexts& texts) {
    PartsRead read;
    for (const PartEntry& option : PartTable()) {
        const auto given = texts.find(option.name);
        if (given == texts.end() || given->second.empty()) {
            continue;
        }
        const std::optional<double> value = ReadPartValue(given->second);
        if (!value) {
            read.refusal =
                std::string("L'opzione --") + option.name +
                " vuole un numero finito non negativo, con il punto decimale: " + given->second;
            return read;
        }
        read.parts.*option.part = *value * option.scale;
    }
    return read;
}
