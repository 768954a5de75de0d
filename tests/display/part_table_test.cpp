#include "display/part_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct ReadCase {
    const char* text;
    std::optional<double> value;
};

// A decimal point and an optional exponent, at or above zero; anything else is refused.
const ReadCase readCases[] = {
    {"50", 50}, {"0.45", 0.45}, {"1e3", 1000}, {"0", 0},      {"-0", -0.0},
    {"-1", {}}, {"1,5", {}},    {"abc", {}},   {"", {}},      {" 5", {}},
    {"5 ", {}}, {"inf", {}},    {"nan", {}},   {"1e999", {}}, {"0x10", {}},
};

TEST(PartTableTest, ReadsOnlyFiniteNumbersAtOrAboveZero) {
    for (const ReadCase& c : readCases) {
        EXPECT_EQ(ReadPartValue(c.text), c.value) << '"' << c.text << '"';
    }
}

// Each part once, in SI units per unit of its label's unit.
TEST(PartTableTest, EveryPartOnceWithItsUnit) {
    RealParts seen;
    for (const PartEntry& entry : PartTable()) {
        EXPECT_EQ(seen.*entry.part, 0) << entry.name;
        seen.*entry.part = 1;
        const std::string label = entry.label;
        const std::string unit = label.substr(label.rfind(", ") + 2);
        const double scale = unit == "m\u03a9" ? 1e-3
                             : unit == "ns"    ? 1e-9
                             : unit == "pF"    ? 1e-12
                             : unit == "nC"    ? 1e-9
                                               : 1;
        EXPECT_EQ(entry.scale, scale) << entry.name;
    }
    EXPECT_EQ(PartTable().size(), 10u);
}

} // namespace
