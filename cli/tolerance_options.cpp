// The tolerances of --tol, read strictly.
#include "cli/tolerance_options.h"

#include "cli/cli_text.h"

#include <charconv>
#include <string_view>

namespace {

// The names of the values in --tol, by TolerancedValue.
constexpr const char* ToleranceKeys[TolerancedValueCount] = {"vi",  "f",   "l",   "c",  "rl",
                                                             "rds", "dcr", "esr", "vf", "rd"};

// A tolerance in per cent: a plain decimal number from 0 to less than 100.
std::optional<double> Percent(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 0 && value < 100)) {
        return std::nullopt;
    }
    return value;
}

// One "name=percent" of --tol into `percent`; false when it is not one, or names a value again.
bool ReadTolerance(std::string_view item, TolerancePercents& percent) {
    const auto equals = item.find('=');
    for (std::size_t v = 0; v < TolerancedValueCount; ++v) {
        if (item.substr(0, equals) == ToleranceKeys[v] && equals != std::string_view::npos &&
            !percent[v]) {
            percent[v] = Percent(item.substr(equals + 1));
            return percent[v].has_value();
        }
    }
    return false;
}

} // namespace

std::optional<std::string> ReadTolerances(const std::string& text, TolerancePercents& percent) {
    std::string_view rest = text;
    while (true) {
        const auto comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        if (!ReadTolerance(item, percent)) {
            return CliText("CliTolerance",
                           QT_TRANSLATE_NOOP("CliTolerance",
                                             "L'opzione --tol vuole nome=percentuale separati da "
                                             "virgole (nomi vi, f, l, c, rl, rds, dcr, esr, vf, "
                                             "rd, ognuno una volta; percentuali da 0 a meno di "
                                             "100): %1"),
                           std::string(item));
        }
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(comma + 1);
    }
}

void SetRowKinds(ToleranceProblem& problem, bool worstCase, std::optional<std::int64_t> samples) {
    problem.worstCase = worstCase || !samples;
    problem.samples = samples ? *samples : worstCase ? 0 : DefaultSampleCount;
}
