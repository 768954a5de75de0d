#include "core/conversions.h"

#include "core/runtime_error.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool IsStrippedByVal(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Appends a run of ASCII digits starting at position; returns the position after it.
std::size_t TakeDigits(const Text& text, std::size_t position, std::string& out) {
    while (position < text.size() && IsDigit(text[position])) {
        out += static_cast<char>(text[position++]);
    }
    return position;
}

// Appends an optional sign; returns the position after it.
std::size_t TakeSign(const Text& text, std::size_t position, std::string& out) {
    if (position < text.size() && (text[position] == u'+' || text[position] == u'-')) {
        out += static_cast<char>(text[position++]);
    }
    return position;
}

// The longest leading number of a text already free of blanks, as ASCII, or "" when the text
// does not start with one. An exponent letter counts only when digits follow it.
std::string LeadingNumber(const Text& text) {
    std::string number;
    std::size_t position = TakeSign(text, 0, number);
    const std::size_t mantissaStart = number.size();
    position = TakeDigits(text, position, number);
    if (position < text.size() && text[position] == u'.') {
        number += '.';
        position = TakeDigits(text, position + 1, number);
    }
    if (number.find_first_of("0123456789", mantissaStart) == std::string::npos) {
        return "";
    }
    if (position < text.size() && (text[position] == u'E' || text[position] == u'e')) {
        std::string exponent = "e";
        const std::size_t digitsStart = TakeSign(text, position + 1, exponent);
        if (TakeDigits(text, digitsStart, exponent) > digitsStart) {
            number += exponent;
        }
    }
    return number;
}

// strtod in the "C" locale: the toolkit sets the process locale from the user's, which may
// use a decimal comma.
double ParseCNumber(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(value)) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    return value;
}

Text WithoutBlanks(const Text& text) {
    Text compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char16_t c) { return !IsStrippedByVal(c); });
    return compact;
}

} // namespace

double Val(const Text& text) {
    const std::string number = LeadingNumber(WithoutBlanks(text));
    return number.empty() ? 0.0 : ParseCNumber(number);
}

bool ValStopsAtDecimalComma(const Text& text) {
    const Text compact = WithoutBlanks(text);
    const std::size_t end = LeadingNumber(compact).size();
    return end > 0 && end + 1 < compact.size() && compact[end] == u',' && IsDigit(compact[end + 1]);
}

std::int32_t CLng(double value) {
    // nearbyint rounds in the default to-nearest mode, which sends halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

Text CStr(std::int16_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

void MidAssign(Text& text, int position, char16_t character) {
    if (position < 1 || static_cast<std::size_t>(position) > text.size()) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
    text[static_cast<std::size_t>(position - 1)] = character;
}

Color QBColor(int index) {
    static constexpr std::array<Color, 16> palette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    if (index < 0 || index >= static_cast<int>(palette.size())) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
    return palette[static_cast<std::size_t>(index)];
}

Color RGB(int red, int green, int blue) {
    const auto component = [](int value) {
        return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    };
    return {component(red), component(green), component(blue)};
}
