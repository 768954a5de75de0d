// The real parts' options of the command line and the efficiency's loads, read strictly.
#include "cli/part_options.h"

#include <cmath>
#include <cstdlib>

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

std::optional<std::string> CurveRefusal(const CurveOptions& curve, double& from, double& to,
                                        std::int32_t& points) {
    char* end = nullptr;
    from = std::strtod(curve.from.c_str(), &end);
    if (curve.from.empty() || *end != '\0' || !std::isfinite(from) || !(from > 0)) {
        return "L'opzione --from-pct vuole un numero maggiore di zero: " + curve.from;
    }
    to = std::strtod(curve.to.c_str(), &end);
    if (curve.to.empty() || *end != '\0' || !std::isfinite(to) || !(to > from)) {
        return "L'opzione --to-pct vuole un numero maggiore di --from-pct: " + curve.to;
    }
    const long long count = std::strtoll(curve.points.c_str(), &end, 10);
    if (curve.points.empty() || *end != '\0' || count < 2 || count > 100000) {
        return "L'opzione --points vuole un numero intero da 2 a 100000: " + curve.points;
    }
    points = static_cast<std::int32_t>(count);
    return std::nullopt;
}
