#include "core/conversions.h"
#include "display/plot_readout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr auto iL = Trace::InductorCurrent;
constexpr auto iC = Trace::CapacitorCurrent;
constexpr auto Vo = Trace::OutputVoltage;
constexpr auto id = Trace::DiodeCurrent;
const float below80 = std::nextafter(80.0f, 0.0f);
const float below55 = std::nextafter(55.0f, 0.0f);
const float below25 = std::nextafter(25.0f, 0.0f);
const float below01 = std::nextafter(0.1f, 0.0f);

struct ReadoutCase {
    const char* name;
    float x, y;
    std::optional<Trace> before, after;
    const char* toolTip;
    double f = 40000;
    std::int32_t n = 3;
    char16_t separator = u'.';
};

// NP 5 at 40 kHz: the plot spans 125 us. Only the finders' fresh extremes may be used: iLMax 2,
// iCMax 1.5, VoMax 25.4, idMax 1.8.
TEST(CursorReadout, SelectsTheBandAndReadsItsTrace) {
    const ReadoutCase cases[] = {
        {"the example", 50, 89, {}, iL, "t= 62.50usec ; iL(t) = 1.00E+00A"},
        {"the example, comma", 50, 89, {}, iL, "t= 62,50usec ; iL(t) = 1,00E+00A", 40000, 3, u','},
        {"iL from 80, x 0", 0, 80, id, iL, "t= 0.00usec ; iL(t) = 0.00E+00A"},
        {"iC below 80, x 100", 100, below80, {}, iC, "t= 125.00usec ; iC(t) = 1.67E+00A"},
        {"iC from 55", 20, 55, iL, iC, "t= 25.00usec ; iC(t) = -2.50E+00A"},
        {"Vo below 55", 20, below55, iC, Vo, "t= 25.00usec ; Vo(t) = 7.06E+00V"},
        {"Vo from 25", 20, 25, iC, Vo, "t= 25.00usec ; Vo(t) = -3.53E+01V"},
        {"Vo at -VoMax", 20, 32, iC, Vo, "t= 25.00usec ; Vo(t) = -2.54E+01V"},
        {"id below 25", 20, below25, Vo, id, "t = 25.00usec ; id(t) = 2.49E+00A"},
        {"id from 0.1f", 20, 0.1f, Vo, id, "t = 25.00usec ; id(t) = 1.49E-10A"},
        {"strip keeps iC", 20, below01, iC, iC, "t= 25.00usec ; iC(t) = -1.17E+01A"},
        {"strip keeps iL", 20, 0, iL, iL, "t= 25.00usec ; iL(t) = -8.89E+00A"},
        {"strip, nothing selected", 20, -3, {}, {}, "(none)"},
        {"above and right, unclamped", 120, 107, Vo, iL, "t= 150.00usec ; iL(t) = 3.00E+00A"},
        {"left, unclamped", -20, 89, Vo, iL, "t= -25.00usec ; iL(t) = 1.00E+00A"},
        {"f changed since the plot", 50, 89, {}, iL, "t= 125.00usec ; iL(t) = 1.00E+00A", 20000},
        {"zero f keeps the tip", 50, 60, iL, iC, "(none)", 0},
        {"overflow keeps the tip", 50, 60, iL, iC, "(none)", 1e-310},
        {"arrays too short keep the tip", 50, 60, iL, iC, "(none)", 40000, 9},
    };
    for (const ReadoutCase& c : cases) {
        Module1 m;
        m.NP = 5;
        m.f = c.f;
        m.N = c.n;
        m.iL_t = {0, 1.5, -2, 1, 0};
        m.iC_t = {0, 0.5, -1.5, 1, 0};
        m.Vo_t = {0, -25.4, -24, -25, 0};
        m.id_t = {0, 0, 1.8, 1, 0};
        m.iLMax = m.iCMax = m.VoMax = m.idMax = 999;
        const CursorReadout readout = ReadCursor(c.x, c.y, c.before, m, c.separator);
        EXPECT_EQ(readout.selection, c.after) << c.name;
        EXPECT_EQ(readout.toolTip ? Utf8(*readout.toolTip) : "(none)", c.toolTip) << c.name;
    }
}

} // namespace
