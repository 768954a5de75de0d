#include "core/conversions.h"
#include "core/handler_support.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct ValCase : NamedCase {
    const char* text;
    double expected;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheLongestLeadingNumber) {
    EXPECT_EQ(Val(TextFromUtf8(GetParam().text)), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(ValCase{"Empty", "", 0}, ValCase{"Integer", "15", 15},
                    ValCase{"Decimal", "0.1", 0.1}, ValCase{"Exponent", "5E3", 5000},
                    ValCase{"SmallE", "5e3", 5000}, ValCase{"NegativeExponent", "1E-5", 1E-5},
                    ValCase{"SignedExponent", "1e+2", 100}, ValCase{"SecondPoint", "1.2.3", 1.2},
                    ValCase{"InnerMinus", "1-2", 1}, ValCase{"TwoMinusSigns", "--5", 0},
                    ValCase{"PlusSign", "+5", 5}, ValCase{"Negative", "-12.5", -12.5},
                    ValCase{"LeadingPoint", ".5", 0.5}, ValCase{"TrailingPoint", "5.", 5},
                    ValCase{"Letters", "12abc", 12}, ValCase{"Unit", "15 V", 15},
                    ValCase{"Blanks", " 1 2 . 5 ", 12.5}, ValCase{"TabAndNewLine", "\t1\n5", 15},
                    ValCase{"Comma", "1,5", 1}, ValCase{"LoneE", "e", 0},
                    ValCase{"LoneMinus", "-", 0}, ValCase{"LonePoint", ".", 0},
                    ValCase{"EmptyExponent", "5E", 5}, ValCase{"SignedEmptyExponent", "5E+", 5},
                    ValCase{"OtherExponentLetter", "5D3", 5}, ValCase{"Underflow", "1E-400", 0},
                    ValCase{"FullWidthDigit", "\xEF\xBC\x93", 0},
                    ValCase{"SixDecimals", "0.000001", 0.000001}),
    ByCaseName());

TEST(ValTest, NumberBeyondTheDoubleRangeIsAnOverflow) {
    for (const char* text : {"1E400", "-1E400", "1E99999999999999999999"}) {
        try {
            Val(TextFromUtf8(text));
            ADD_FAILURE() << text << " was read";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow) << text;
        }
    }
}

TEST(CLngTest, RoundsHalvesToEven) {
    const std::pair<double, std::int32_t> cases[] = {{0.5, 0},
                                                     {1.5, 2},
                                                     {2.5, 2},
                                                     {3.5, 4},
                                                     {-0.5, 0},
                                                     {-1.5, -2},
                                                     {-2.5, -2},
                                                     {1000.5, 1000},
                                                     {2.4999, 2},
                                                     {625.0, 625},
                                                     {-2147483648.0, -2147483647 - 1},
                                                     {2147483647.0, 2147483647},
                                                     {2147483647.4, 2147483647},
                                                     {-2147483648.5, -2147483647 - 1}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(CLng(value), expected) << value;
    }
}

TEST(CLngTest, OutsideInt32IsAnOverflow) {
    for (double value : {2147483647.5, 3E9, -2147483649.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        try {
            CLng(value);
            ADD_FAILURE() << value << " was converted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow) << value;
        }
    }
}

TEST(CStrTest, DecimalDigitsWithoutLeadingBlank) {
    EXPECT_EQ(CStr(15), u"15");
    EXPECT_EQ(CStr(0), u"0");
    EXPECT_EQ(CStr(-32768), u"-32768");
}

TEST(MidAssignTest, ReplacesOneCharacterInPlace) {
    Text text = u"7,990E+03";
    MidAssign(text, 2, u'.');
    EXPECT_EQ(text, u"7.990E+03");
    EXPECT_THROW(MidAssign(text, 10, u'.'), RuntimeError);
    EXPECT_THROW(MidAssign(text, 0, u'.'), RuntimeError);
}

TEST(ColorTest, ConsoleColoursAndRgb) {
    EXPECT_EQ(QBColor(0), (Color{0, 0, 0}));
    EXPECT_EQ(QBColor(9), (Color{0, 0, 255}));
    EXPECT_EQ(QBColor(15), (Color{255, 255, 255}));
    EXPECT_THROW(QBColor(16), RuntimeError);
    EXPECT_EQ(RGB(255, 255, 192), (Color{255, 255, 192}));
    EXPECT_EQ(RGB(300, -4, 7), (Color{255, 0, 7}));
}

struct FormatCase : NamedCase {
    double value;
    const char* pattern;
    const char* point;
    const char* comma;
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, RoundsTheFifteenDigitFormHalfAwayFromZero) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Utf8(Format(c.value, c.pattern, u'.')), c.point) << c.value;
    EXPECT_EQ(Utf8(Format(c.value, c.pattern, u',')), c.comma) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    testing::Values(FormatCase{"Half", 1.125, "0.00E+00", "1.13E+00", "1,13E+00"},
                    FormatCase{"FixedHalfOfFifteenDigits", 0.285, "0.00", "0.29", "0,29"},
                    FormatCase{"Zero", 0, "0.00E+00", "0.00E+00", "0,00E+00"},
                    FormatCase{"NegativeZero", -0.0, "0.00E+00", "0.00E+00", "0,00E+00"},
                    FormatCase{"Negative", -12, "0.00E+00", "-1.20E+01", "-1,20E+01"},
                    FormatCase{"Tiny", 1E-100, "0.00E+00", "1.00E-100", "1,00E-100"},
                    FormatCase{"Huge", 1.5E300, "0.00E+00", "1.50E+300", "1,50E+300"},
                    FormatCase{"TwoDecimals", 7990.0639488409, "0.00E+00", "7.99E+03", "7,99E+03"},
                    FormatCase{"ThreeDecimals", 7990.0639488409, "0.000E+00", "7.990E+03",
                               "7,990E+03"},
                    FormatCase{"TrailingZero", 62.5, "0.000E+00", "6.250E+01", "6,250E+01"},
                    FormatCase{"CarryIntoTheExponent", 9.995, "0.00E+00", "1.00E+01", "1,00E+01"},
                    FormatCase{"CarryToOne", 0.99999, "0.00E+00", "1.00E+00", "1,00E+00"},
                    FormatCase{"BelowOne", 0.123, "0.00E+00", "1.23E-01", "1,23E-01"},
                    FormatCase{"OneThird", 1.0 / 3.0, "0.00E+00", "3.33E-01", "3,33E-01"},
                    FormatCase{"TwoThirds", 2.0 / 3.0, "0.00E+00", "6.67E-01", "6,67E-01"},
                    FormatCase{"Fixed", 62.5, "0.00", "62.50", "62,50"},
                    FormatCase{"FixedZero", 0, "0.00", "0.00", "0,00"},
                    FormatCase{"FixedDown", 0.004, "0.00", "0.00", "0,00"},
                    FormatCase{"FixedHalf", 0.005, "0.00", "0.01", "0,01"},
                    FormatCase{"FixedNegativeToZero", -0.001, "0.00", "0.00", "0,00"},
                    FormatCase{"FixedNegativeHalf", -2.345, "0.00", "-2.35", "-2,35"},
                    FormatCase{"FixedCarry", 99.999, "0.00", "100.00", "100,00"},
                    FormatCase{"FixedHuge", 1E20, "0.00", "100000000000000000000.00",
                               "100000000000000000000,00"},
                    FormatCase{"FixedTime", 1136.3636363636363, "0.00", "1136.36", "1136,36"}),
    ByCaseName());

TEST(FormatTest, NonFiniteValuesAreRuntimeErrors) {
    EXPECT_THROW(Format(std::numeric_limits<double>::infinity(), "0.00", u'.'), RuntimeError);
    EXPECT_THROW(Format(std::numeric_limits<double>::quiet_NaN(), "0.00E+00", u'.'), RuntimeError);
}

} // namespace

// The command line, file names and system messages cross between UTF-8 and window texts.
TEST(TextEncodingTest, Utf8RoundTripsAndMalformedInputBecomesReplacementCharacter) {
    const std::pair<std::string, Text> cases[] = {
        {"Vi 15 V", u"Vi 15 V"},
        {"capacità 60 µF", u"capacità 60 µF"},
        {"€ \xF0\x9D\x84\x9E", u"€ \U0001D11E"},
        {"\xFF", u"\uFFFD"},                     // no sequence starts with 0xFF
        {"\xC3", u"\uFFFD"},                     // cut short
        {"\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"}, // overlong
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(TextFromUtf8(bytes), text) << bytes;
    }
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(TextFromUtf8(Utf8(text)), text) << bytes;
    }
    EXPECT_EQ(Utf8(Text(1, u'\xD800')), "\xEF\xBF\xBD"); // an unpaired surrogate
}
