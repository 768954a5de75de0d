#pragma once

#include "core/conversions.h"

#include <string_view>

// Numbers for people, in the windows and reports that are not the original boxes: five
// significant digits in engineering units ("-24.992 V", "60.0 mV", "1.2346 kHz"), and
// percentages with two decimals ("0.21 %"). A value that is not finite gives "—".

// `value` in `unit` with the SI prefix that brings it to [1, 1000): p, n, µ, m, none, k, M, G.
// Trailing zeros after the fifth significant digit's place are dropped, one decimal kept.
Text EngineeringText(double value, std::u16string_view unit, char16_t decimalSeparator);

// A per cent figure with two decimals and " %".
Text PercentText(double percent, char16_t decimalSeparator);

// A figure on a logarithmic or angular scale, which takes no SI prefix (dB, degrees), with two
// decimals and its unit: "-12.35 dB", "95.10 °".
Text ScaleText(double value, std::u16string_view unit, char16_t decimalSeparator);
