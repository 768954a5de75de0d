// Numbers for people: engineering units and per cent figures.
#include "display/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int SignificantDigits = 5;
constexpr std::array<char16_t, 8> Prefixes = {u'p', u'n', u'\u00b5', u'm', 0, u'k', u'M', u'G'};
constexpr int UnprefixedIndex = 4;

const Text NotANumber = u"\u2014";

// The decimal digits of `value` rounded to `decimals` places, with a point.
std::string FixedDigits(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, decimals);
    return {buffer.data(), written.ptr};
}

// Drops trailing zeros after the point, keeping one decimal.
std::string WithoutTrailingZeros(std::string digits) {
    const std::size_t point = digits.find('.');
    if (point == std::string::npos) {
        return digits;
    }
    std::size_t end = digits.size();
    while (end > point + 2 && digits[end - 1] == '0') {
        --end;
    }
    return digits.substr(0, end);
}

Text WithSeparator(const std::string& digits, char16_t decimalSeparator) {
    Text text = TextFromUtf8(digits);
    for (char16_t& c : text) {
        if (c == u'.') {
            c = decimalSeparator;
        }
    }
    return text;
}

} // namespace

Text EngineeringText(double value, std::u16string_view unit, char16_t decimalSeparator) {
    if (!std::isfinite(value)) {
        return NotANumber;
    }
    int index = UnprefixedIndex;
    double scaled = value;
    if (value != 0) {
        const int thousands = static_cast<int>(std::floor(std::log10(std::abs(value)) / 3));
        index = std::clamp(UnprefixedIndex + thousands, 0, static_cast<int>(Prefixes.size()) - 1);
        scaled = value / std::pow(1000.0, index - UnprefixedIndex);
    }
    // Rounding may carry into the next thousand (999.996 -> 1000.0): then the next prefix.
    int integerDigits =
        scaled == 0 ? 1 : static_cast<int>(std::floor(std::log10(std::abs(scaled)))) + 1;
    std::string digits =
        FixedDigits(scaled, std::max(SignificantDigits - std::max(integerDigits, 1), 0));
    const std::size_t integerPart = digits.find('.') - (digits.front() == '-' ? 1 : 0);
    if (integerPart > 3 && index + 1 < static_cast<int>(Prefixes.size())) {
        ++index;
        scaled /= 1000;
        digits = FixedDigits(scaled, SignificantDigits - 1);
    }
    Text text = WithSeparator(WithoutTrailingZeros(digits), decimalSeparator) + u' ';
    if (Prefixes[static_cast<std::size_t>(index)] != 0) {
        text += Prefixes[static_cast<std::size_t>(index)];
    }
    return text + Text(unit);
}

Text PercentText(double percent, char16_t decimalSeparator) {
    if (!std::isfinite(percent)) {
        return NotANumber;
    }
    return ScaleText(percent, u"%", decimalSeparator);
}

Text ScaleText(double value, std::u16string_view unit, char16_t decimalSeparator) {
    if (!std::isfinite(value)) {
        return NotANumber;
    }
    return WithSeparator(FixedDigits(value, 2), decimalSeparator) + u' ' + Text(unit);
}
