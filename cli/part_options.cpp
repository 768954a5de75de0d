// The real parts' options of the command line and their strict reading.
#include "cli/part_options.h"

#include <charconv>
#include <cmath>

namespace {

// The whole text as one finite number (a point, an optional exponent), else none.
std::optional<double> StrictNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

const std::vector<PartOption>& PartOptions() {
    static const std::vector<PartOption> options{
        {"rds-mohm", &RealParts::rS, 1e-3, "resistenza in conduzione dell'interruttore, m\u03a9"},
        {"dcr-mohm", &RealParts::rL, 1e-3, "resistenza dell'avvolgimento dell'induttore, m\u03a9"},
        {"esr-mohm", &RealParts::rC, 1e-3, "resistenza serie del condensatore di uscita, m\u03a9"},
        {"vf", &RealParts::Vf, 1, "tensione di soglia del diodo, V"},
        {"rd-mohm", &RealParts::rD, 1e-3, "resistenza dinamica del diodo, m\u03a9"},
        {"tr-ns", &RealParts::tr, 1e-9, "tempo di sovrapposizione all'accensione, ns"},
        {"tf-ns", &RealParts::tf, 1e-9, "tempo di sovrapposizione allo spegnimento, ns"},
        {"coss-pf", &RealParts::Coss, 1e-12, "capacit\u00e0 di uscita dell'interruttore, pF"},
        {"qg-nc", &RealParts::Qg, 1e-9, "carica di gate, nC"},
        {"vg", &RealParts::Vg, 1, "tensione di pilotaggio del gate, V"},
    };
    return options;
}

void AddPartOptions(CLI::App& command, PartTexts& texts) {
    for (const PartOption& option : PartOptions()) {
        command.add_option(std::string("--") + option.name, texts[option.name], option.help)
            ->type_name("NUMERO")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
}

PartsRead ReadParts(const PartTexts& texts) {
    PartsRead read;
    for (const PartOption& option : PartOptions()) {
        const auto given = texts.find(option.name);
        if (given == texts.end() || given->second.empty()) {
            continue;
        }
        const std::optional<double> value = StrictNumber(given->second);
        if (!value || *value < 0) {
            read.refusal =
                std::string("L'opzione --") + option.name +
                " vuole un numero finito non negativo, con il punto decimale: " + given->second;
            return read;
        }
        read.parts.*option.part = *value * option.scale;
    }
    return read;
}
