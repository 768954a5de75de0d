#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers to and from the texts of the windows, and the colours of their fields.

// Window texts are UTF-16, as the toolkit stores them: field checks and length limits count
// UTF-16 code units.
using Text = std::u16string;

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// Reads the longest leading number of a text after removing every blank, tab and line feed.
// "." is the decimal separator, "E"/"e" the exponent letter; no number gives 0. A number
// beyond the double range is an overflow RuntimeError.
double Val(const Text& text);

// True when Val would stop at a comma that a digit follows ("1,5", "12,5 V"): a decimal comma
// that Val silently drops, so the design fields refuse it.
bool ValStopsAtDecimalComma(const Text& text);

// Rounds to the nearest int32, halves to the even neighbour; overflow RuntimeError outside
// the int32 range (NaN included).
std::int32_t CLng(double value);

// Decimal digits with a leading "-" for negatives.
Text CStr(std::int16_t value);

// Formats with "0.00E+00", "0.000E+00" (scientific) or "0.00" (fixed) style patterns: the
// number's 15-significant-digit decimal form is rounded half away from zero, and the decimal
// separator is the one given (the user's locale separator).
Text Format(double value, std::string_view pattern, char16_t decimalSeparator);

// Replaces the character at the 1-based position; the length is unchanged.
void MidAssign(Text& text, int position, char16_t character);

// The sixteen colours of the numbered palette that field texts are coloured from; 0 is
// black, 9 light blue (the colour of a value the design calculation wrote).
Color QBColor(int index);

// Each component is clamped to 0..255.
Color RGB(int red, int green, int blue);

// UTF-8 bytes (file names, the command line, the system's messages) as a window text; a byte
// that starts no well-formed sequence reads as U+FFFD.
Text TextFromUtf8(std::string_view bytes);

// A window text as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8(const Text& text);
