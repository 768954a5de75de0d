#include "core/standard_values.h"

#include <cmath>

namespace {

// IEC 60063, one decade of each series.
constexpr int E6[] = {10, 15, 22, 33, 47, 68};
constexpr int E12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int E24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                       33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int E48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                       178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                       316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                       562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr int E96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137,
                       140, 143, 147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191,
                       196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255, 261, 267,
                       274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374,
                       383, 392, 402, 412, 422, 432, 442, 453, 464, 475, 487, 499, 511, 523,
                       536, 549, 562, 576, 590, 604, 619, 634, 649, 665, 681, 698, 715, 732,
                       750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

// A value closer than this, relative, to a series value is that value.
constexpr double SameValue = 1e-9;

// figures x 10^exponent, the double nearest the decimal: the figures and the powers of ten up
// to 10^22 are exact doubles, so one rounding makes it.
double Scaled(int figures, int exponent) {
    double power = 1;
    for (int i = 0; i < std::abs(exponent); ++i) {
        power *= 10;
    }
    return exponent >= 0 ? figures * power : figures / power;
}

} // namespace

const char* SeriesName(ESeries series) {
    switch (series) {
    case ESeries::E6:
        return "E6";
    case ESeries::E12:
        return "E12";
    case ESeries::E24:
        return "E24";
    case ESeries::E48:
        return "E48";
    case ESeries::E96:
        return "E96";
    }
    return "";
}

std::optional<ESeries> SeriesNamed(std::string_view name) {
    for (const ESeries series : AllSeries) {
        if (name == SeriesName(series)) {
            return series;
        }
    }
    return std::nullopt;
}

std::span<const int> SeriesFigures(ESeries series) {
    switch (series) {
    case ESeries::E6:
        return E6;
    case ESeries::E12:
        return E12;
    case ESeries::E24:
        return E24;
    case ESeries::E48:
        return E48;
    case ESeries::E96:
        return E96;
    }
    return {};
}

double SnapUp(double value, ESeries series) {
    const std::span<const int> figures = SeriesFigures(series);
    const int digits = figures.front() == 10 ? 1 : 2; // figures of 10^digits start a decade
    // From the decade below: the logarithm may round across a decade's edge. A value above
    // its decade's last figure snaps to the next decade's first.
    const int decade = static_cast<int>(std::floor(std::log10(value)));
    for (int exponent = decade - digits - 1;; ++exponent) {
        for (const int figure : figures) {
            const double candidate = Scaled(figure, exponent);
            if (candidate >= value || std::fabs(value - candidate) <= SameValue * candidate) {
                return candidate;
            }
        }
    }
}

SeriesDesign SnapDesign(const ConverterCircuit& designed, double LMicro, double CMicro,
                        ESeries series) {
    SeriesDesign snapped;
    snapped.LMicro = SnapUp(LMicro, series);
    snapped.CMicro = SnapUp(CMicro, series);
    ConverterCircuit circuit = designed;
    circuit.L = snapped.LMicro * 1e-6;
    circuit.C = snapped.CMicro * 1e-6;
    const ExactConverter exact(circuit);
    snapped.steady = exact.period(exact.steadyStart()).values;
    return snapped;
}
