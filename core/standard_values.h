#pragma once

#include "core/converter_circuit.h"
#include "core/exact_converter.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

// The IEC 60063 series of preferred values, as published: the E6, E12 and E24 values keep their
// historical figures (2.7, 3.3, 4.7, ...) where they depart from the rounded geometric
// progression. A designed part snaps up to its series, so that what was asked of the design
// (a ripple at most) still holds.

enum class ESeries { E6, E12, E24, E48, E96 };

inline constexpr std::array<ESeries, 5> AllSeries{ESeries::E6, ESeries::E12, ESeries::E24,
                                                  ESeries::E48, ESeries::E96};

// "E6", "E12", ...
const char* SeriesName(ESeries series);

// The series that `name` names ("E12"); none for any other text.
std::optional<ESeries> SeriesNamed(std::string_view name);

// The series' figures within one decade, ascending: 10 to 82 for E12 (two figures), 100 to 976
// for E96 (three figures).
std::span<const int> SeriesFigures(ESeries series);

// The smallest value of the series, in any decade, not below `value` (> 0); a value within 1e-9
// relative of a series value takes that value. The result is the double nearest the decimal
// series value (8200, 8.2, 0.0082), in the unit `value` is given in.
double SnapUp(double value, ESeries series);

// A design's L and C snapped up to a series, and the exact steady state they give.
struct SeriesDesign {
    double LMicro = 0; // uH
    double CMicro = 0; // uF
    PeriodValues steady;
};

// Snaps the designed L and C, in uH and uF as the design gives them, up to `series`, and solves
// the ideal converter `designed` with them in place of its own L and C exactly in its periodic
// steady state.
SeriesDesign SnapDesign(const ConverterCircuit& designed, double LMicro, double CMicro,
                        ESeries series);
