#include "display/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(NumberTextTest, EngineeringUnitsWithFiveSignificantDigits) {
    const struct {
        double value;
        const char16_t* unit;
        const char* text;
    } cases[] = {
        {-24.99234, u"V", "-24.992 V"},
        {0.06, u"V", "60.0 mV"},
        {1.5, u"A", "1.5 A"},
        {2238.1163, u"Hz", "2.2381 kHz"},
        {0.000159801, u"H", "159.8 µH"},
        {999.9996, u"V", "1.0 kV"},
        {0, u"A", "0.0 A"},
        {3.3e-13, u"F", "0.33 pF"},
        {123456.0, u"Hz", "123.46 kHz"},
        {-0.0012345678, u"A", "-1.2346 mA"},
        {std::numeric_limits<double>::infinity(), u"V", "—"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8(EngineeringText(c.value, c.unit, u'.')), c.text) << c.value;
    }
    EXPECT_EQ(Utf8(EngineeringText(-24.99234, u"V", u',')), "-24,992 V");
}

TEST(NumberTextTest, PercentWithTwoDecimals) {
    EXPECT_EQ(Utf8(PercentText(0.2149, u',')), "0,21 %");
    EXPECT_EQ(Utf8(PercentText(-974.6494, u'.')), "-974.65 %");
    EXPECT_EQ(Utf8(PercentText(std::numeric_limits<double>::quiet_NaN(), u'.')), "—");
}

} // namespace
