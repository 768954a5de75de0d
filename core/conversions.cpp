#include "core/conversions.h"

#include "core/runtime_error.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <stdexcept>
#include <string>

namespace {

// Reading: the leading number of a field's text.

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

// Writing: numbers as the result labels, the verification fields and the tool tips show them.

constexpr int SignificantDigits = 15;

struct Pattern {
    int decimals = 0;
    bool scientific = false;
};

// Reads "0", "0.00", "0.000E+00" style patterns: the zeros after the point are the decimals.
Pattern ParsePattern(std::string_view pattern) {
    Pattern parsed;
    if (pattern.ends_with("E+00")) {
        parsed.scientific = true;
        pattern.remove_suffix(4);
    }
    if (pattern.starts_with("0.")) {
        parsed.decimals = static_cast<int>(pattern.size()) - 2;
        pattern.remove_prefix(2);
    } else if (pattern == "0") {
        pattern.remove_prefix(1);
    } else {
        throw std::invalid_argument("unsupported number pattern");
    }
    if (pattern.find_first_not_of('0') != std::string_view::npos) {
        throw std::invalid_argument("unsupported number pattern");
    }
    return parsed;
}

// A non-negative number as decimal digits d0 d1 d2 ... with value 0.d0d1d2... x 10^(pointPosition).
struct DecimalDigits {
    std::string digits;
    int pointPosition = 0;
};

// The number's 15-significant-digit decimal form, the precision a calculator shows.
DecimalDigits SignificantForm(double magnitude) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, magnitude);
    const std::string text = buffer;
    DecimalDigits form;
    form.digits.assign(1, text[0]);
    form.digits.append(text, 2, SignificantDigits - 1);
    form.pointPosition = std::stoi(text.substr(text.find('e') + 1)) + 1;
    if (magnitude == 0) {
        form.pointPosition = 1;
    }
    return form;
}

// Keeps the first `count` digits (padding with zeros), rounding half away from zero on the
// first digit dropped. A carry out of the first digit adds a leading "1" and moves the point.
DecimalDigits RoundToDigits(const DecimalDigits& form, int count) {
    DecimalDigits rounded{std::string(static_cast<std::size_t>(count), '0'), form.pointPosition};
    for (int i = 0; i < count && i < SignificantDigits; ++i) {
        rounded.digits[static_cast<std::size_t>(i)] = form.digits[static_cast<std::size_t>(i)];
    }
    if (count >= SignificantDigits || form.digits[static_cast<std::size_t>(count)] < '5') {
        return rounded;
    }
    for (int i = count - 1; i >= 0; --i) {
        char& digit = rounded.digits[static_cast<std::size_t>(i)];
        if (digit != '9') {
            ++digit;
            return rounded;
        }
        digit = '0';
    }
    rounded.digits.insert(rounded.digits.begin(), '1');
    ++rounded.pointPosition;
    return rounded;
}

bool IsAllZeros(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

// "E", the exponent's sign always, at least two digits.
std::string ExponentText(int exponent) {
    std::string text = exponent < 0 ? "E-" : "E+";
    const std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) {
        text += '0';
    }
    text.append(digits);
    return text;
}

Text Scientific(const DecimalDigits& form, int decimals, char16_t separator, bool negative) {
    DecimalDigits rounded = RoundToDigits(form, decimals + 1);
    rounded.digits.resize(static_cast<std::size_t>(decimals + 1));
    const bool zero = IsAllZeros(rounded.digits);
    const int exponent = zero ? 0 : rounded.pointPosition - 1;
    Text out = negative && !zero ? u"-" : u"";
    out += static_cast<char16_t>(rounded.digits[0]);
    if (decimals > 0) {
        out += separator;
        out.append(rounded.digits.begin() + 1, rounded.digits.end());
    }
    const std::string tail = ExponentText(exponent);
    return out.append(tail.begin(), tail.end());
}

// Digits of |value| x 10^decimals rounded to an integer, at least decimals + 1 of them; a
// number too small to reach the last decimal gives zeros.
std::string ScaledDigits(const DecimalDigits& form, int decimals) {
    const int kept = form.pointPosition + decimals;
    const std::string rounded = kept < 0 ? std::string() : RoundToDigits(form, kept).digits;
    const std::size_t minimumDigits = static_cast<std::size_t>(decimals) + 1;
    if (rounded.size() >= minimumDigits) {
        return rounded;
    }
    std::string padded(minimumDigits - rounded.size(), '0');
    padded += rounded;
    return padded;
}

Text Fixed(const DecimalDigits& form, int decimals, char16_t separator, bool negative) {
    const std::string digits = ScaledDigits(form, decimals);
    const bool zero = IsAllZeros(digits);
    Text out = negative && !zero ? u"-" : u"";
    const std::size_t integerDigits = digits.size() - static_cast<std::size_t>(decimals);
    out.append(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(integerDigits));
    if (decimals > 0) {
        out += separator;
        out.append(digits.begin() + static_cast<std::ptrdiff_t>(integerDigits), digits.end());
    }
    return out;
}

// Texts to and from the UTF-8 of files, the command line and the system's messages.

// The code point of the UTF-8 sequence that starts bytes, with its length in bytes; a byte
// that starts no well-formed sequence reads as U+FFFD on its own.
std::pair<char32_t, std::size_t> FirstCodePoint(std::string_view bytes) {
    constexpr std::pair<char32_t, std::size_t> Malformed{0xFFFD, 1};
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t length = lead < 0xC2   ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > bytes.size()) {
        return Malformed;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) {
            return Malformed;
        }
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t SmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < SmallestOfLength[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        return Malformed;
    }
    return {c, length};
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

Text Format(double value, std::string_view pattern, char16_t decimalSeparator) {
    if (!std::isfinite(value)) {
        throw RuntimeError(std::isnan(value) ? RuntimeErrorKind::InvalidOperation
                                             : RuntimeErrorKind::Overflow);
    }
    const Pattern parsed = ParsePattern(pattern);
    const DecimalDigits form = SignificantForm(std::fabs(value));
    const bool negative = std::signbit(value);
    return parsed.scientific ? Scientific(form, parsed.decimals, decimalSeparator, negative)
                             : Fixed(form, parsed.decimals, decimalSeparator, negative);
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

Text TextFromUtf8(std::string_view bytes) {
    Text text;
    while (!bytes.empty()) {
        const auto [c, length] = FirstCodePoint(bytes);
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(c);
        }
        bytes.remove_prefix(length);
    }
    return text;
}

std::string Utf8(const Text& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool paired = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() &&
                            text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000;
        if (paired) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
