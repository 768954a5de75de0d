// The real parts as people type them, and the strict reading of a part's value.
#include "display/part_table.h"

#include <charconv>
#include <cmath>

const std::vector<PartEntry>& PartTable() {
    static const std::vector<PartEntry> entries{
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
    return entries;
}

std::optional<double> ReadPartValue(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value) || value < 0) {
        return std::nullopt;
    }
    return value;
}
