// The real parts' options of the command line and the efficiency's loads, read strictly.
#include "cli/part_options.h"

#include "cli/cli_text.h"

#include <cmath>
#include <cstdlib>

namespace {

// The type of a number option in the help.
std::string NumberType() {
    return CliText("CliParts", QT_TRANSLATE_NOOP("CliParts", "NUMERO"));
}

} // namespace

void AddPartOptions(CLI::App& command, PartTexts& texts) {
    for (const PartEntry& option : PartTable()) {
        // The labels of the parts are listed for the catalogue in translations/cli_texts.cpp.
        command
            .add_option(std::string("--") + option.name, texts[option.name],
                        CliText("PartTable", option.label))
            ->type_name(NumberType())
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
                CliText("CliParts",
                        QT_TRANSLATE_NOOP("CliParts", "L'opzione --%1 vuole un numero finito non "
                                                      "negativo, con il punto decimale: %2"),
                        option.name, given->second);
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
        return CliText("CliParts",
                       QT_TRANSLATE_NOOP(
                           "CliParts", "L'opzione --from-pct vuole un numero maggiore di zero: %1"),
                       curve.from);
    }
    to = std::strtod(curve.to.c_str(), &end);
    if (curve.to.empty() || *end != '\0' || !std::isfinite(to) || !(to > from)) {
        return CliText("CliParts",
                       QT_TRANSLATE_NOOP("CliParts", "L'opzione --to-pct vuole un "
                                                     "numero maggiore di --from-pct: %1"),
                       curve.to);
    }
    const long long count = std::strtoll(curve.points.c_str(), &end, 10);
    if (curve.points.empty() || *end != '\0' || count < 2 || count > 100000) {
        return CliText("CliParts",
                       QT_TRANSLATE_NOOP("CliParts", "L'opzione --points vuole un "
                                                     "numero intero da 2 a 100000: %1"),
                       curve.points);
    }
    points = static_cast<std::int32_t>(count);
    return std::nullopt;
}

void AddCurveOptions(CLI::App& command, CurveOptions& curve) {
    command
        .add_option(
            "--from-pct", curve.from,
            CliText("CliParts", QT_TRANSLATE_NOOP("CliParts", "primo carico, % di quello di RL")))
        ->type_name(NumberType());
    command
        .add_option(
            "--to-pct", curve.to,
            CliText("CliParts", QT_TRANSLATE_NOOP("CliParts", "ultimo carico, % di quello di RL")))
        ->type_name(NumberType());
    command
        .add_option(
            "--points", curve.points,
            CliText("CliParts", QT_TRANSLATE_NOOP("CliParts", "numero dei punti (almeno 2)")))
        ->type_name(CliText("CliParts", QT_TRANSLATE_NOOP("CliParts", "INTERO")));
}
