#include "core/conversions.h"
#include "core/module1.h"
#include "display/measuring_cursors.h"
#include "display/plot_readout.h"
#include "display/trace_table.h"
#include "line_recorder.h"
#include "test_support/synthetic_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// Each trace as the waveform window presents it: a pointer height inside its band, its name,
// caption, unit and description, its samples and the largest magnitude that its readout reads.
struct TraceCase {
    Trace trace;
    float pointerY;
    std::string name;
    std::string caption;
    std::string unit;
    std::string description;
    std::vector<double> Module1::*samples;
    double Module1::*largest;
};

const TraceCase Traces[] = {
    {Trace::InductorCurrent, 90, "iL", "iL(t)", "A", "corrente nell'induttore", &Module1::iL_t,
     &Module1::iLMax},
    {Trace::CapacitorCurrent, 70, "iC", "iC(t)", "A", "corrente nel condensatore", &Module1::iC_t,
     &Module1::iCMax},
    {Trace::OutputVoltage, 40, "Vo", "Vo(t)", "V", "tensione di uscita", &Module1::Vo_t,
     &Module1::VoMax},
    {Trace::DiodeCurrent, 10, "id", "id(t)", "A", "corrente nel diodo", &Module1::id_t,
     &Module1::idMax},
};

// Two displayed periods of 50 samples at 11 kHz.
Module1 TwoPeriodRun() {
    Module1 m = SyntheticRun(2, 50);
    m.f = 11000;
    return m;
}

double LargestMagnitude(const std::vector<double>& samples, std::int32_t n) {
    double largest = 0;
    for (std::int32_t k = 1; k <= n; ++k) {
        largest = std::max(largest, std::abs(samples[static_cast<std::size_t>(k)]));
    }
    return largest;
}

// Whether `text` has the form of `pattern`, where '9' stands for a digit, '+' for a sign, '*'
// for one or more digits, '?' for an optional minus at the start, and '#' for an optional SI
// prefix ("p", "n", "µ", "m", "k", "M", "G") at the end; any other character stands for itself.
bool HasForm(std::string_view text, std::string_view pattern) {
    if (!pattern.empty() && pattern.front() == '?') {
        if (text.starts_with('-')) {
            text.remove_prefix(1);
        }
        pattern.remove_prefix(1);
    }
    if (pattern.ends_with('#')) {
        pattern.remove_suffix(1);
        for (std::string_view prefix : {"p", "n", "\xC2\xB5", "m", "k", "M", "G"}) {
            if (text.ends_with(prefix) &&
                HasForm(text.substr(0, text.size() - prefix.size()), pattern)) {
                return true;
            }
        }
    }
    std::size_t at = 0;
    for (const char wanted : pattern) {
        const auto digit = [&] { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
        if (wanted == '*') {
            if (!digit()) {
                return false;
            }
            while (digit()) {
                ++at;
            }
        } else if (wanted == '9') {
            if (!digit()) {
                return false;
            }
            ++at;
        } else if (wanted == '+') {
            if (at >= text.size() || (text[at] != '+' && text[at] != '-')) {
                return false;
            }
            ++at;
        } else if (at >= text.size() || text[at++] != wanted) {
            return false;
        }
    }
    return at == text.size();
}

// Whether text is `start`, then a number of the given form, then `end`.
bool NumberBetween(const std::string& text, const std::string& start, const std::string& end,
                   std::string_view form = "?9,99E+99") {
    return text.size() >= start.size() + end.size() && text.starts_with(start) &&
           text.ends_with(end) &&
           HasForm(
               std::string_view(text).substr(start.size(), text.size() - start.size() - end.size()),
               form);
}

// Whether text is `start`, then a number for people as the cursor box writes it ("-748,0 m",
// "2,4301 "), then `unit`.
bool ReadingBetween(const std::string& text, const std::string& start, const std::string& unit) {
    return NumberBetween(text, start, unit, "?*,* #");
}

// What follows the first `mark` in the text.
std::string After(const std::string& text, const std::string& mark) {
    const std::size_t at = text.find(mark);
    return at == std::string::npos ? std::string() : text.substr(at + mark.size());
}

auto Fields(const TraceBand& band) {
    return std::tuple(band.samples, band.scale, band.zeroLine, band.factor, band.colour,
                      band.fitBottom);
}

TEST(TraceTable, HoldsTheFourTracesInBandOrderWithTheirNamesAndBands) {
    ASSERT_EQ(TraceTable().size(), std::size(Traces));
    for (std::size_t i = 0; i < std::size(Traces); ++i) {
        const TraceCase& c = Traces[i];
        const TraceRow& row = TraceTable()[i];
        EXPECT_EQ(row.trace, c.trace) << c.name;
        EXPECT_EQ(BandIndex(c.trace), i) << c.name;
        EXPECT_EQ(&RowOf(c.trace), &row) << c.name;
        EXPECT_EQ(Utf8(Text(row.name)), c.name);
        EXPECT_EQ(Utf8(CaptionOf(c.trace)), c.caption);
        EXPECT_EQ(Utf8(Text(row.unit)), c.unit) << c.name;
        EXPECT_EQ(Utf8(Text(row.description)), c.description) << c.name;
        EXPECT_EQ(row.band.samples, c.samples) << c.name;
        EXPECT_EQ(Fields(TraceBands()[i]), Fields(row.band)) << c.name;
    }
}

// The tool tip names the trace under the pointer with its unit as the table gives them, after
// the table's finder has stored the trace's largest magnitude where the readout reads it.
TEST(TraceTable, TheReadoutNamesEachTraceAndFindsItsLargestMagnitude) {
    for (const TraceCase& c : Traces) {
        const TraceRow& row = RowOf(c.trace);
        Module1 m = TwoPeriodRun();
        m.*row.largest = -1;
        const CursorReadout readout = ReadCursor(50, c.pointerY, std::nullopt, m, u',');
        EXPECT_EQ(readout.selection, c.trace) << c.name;
        ASSERT_TRUE(readout.toolTip) << c.name;
        const std::string toolTip = Utf8(*readout.toolTip);
        EXPECT_TRUE(NumberBetween(After(toolTip, "usec ; "),
                                  Utf8(Text(row.name)) + "(t) = ", Utf8(Text(row.unit))))
            << toolTip;
        EXPECT_EQ(m.*c.largest, LargestMagnitude(m.*c.samples, m.N)) << c.name;
    }
}

// Both measuring cursors on one trace: their readings, its change, mean and RMS carry its name
// and unit as the table gives them, the unit after an SI prefix.
TEST(TraceTable, TheCursorsNameEachTraceWithItsUnit) {
    const Module1 m = TwoPeriodRun();
    const CursorSums run(m);
    for (const TraceCase& c : Traces) {
        const TraceRow& row = RowOf(c.trace);
        const std::string name = Utf8(Text(row.name));
        const std::string unit = Utf8(Text(row.unit));
        const std::vector<Text> texts =
            CursorOverlayLines(TurnOnCursors(c.trace, {}, run), run, m.f, u',');
        ASSERT_EQ(texts.size(), 7u) << c.name;
        std::vector<std::string> lines;
        for (const Text& text : texts) {
            lines.push_back(Utf8(text));
        }
        EXPECT_TRUE(ReadingBetween(After(lines[0], "s  "), name + " = ", unit)) << lines[0];
        EXPECT_TRUE(ReadingBetween(After(lines[1], "s  "), name + " = ", unit)) << lines[1];
        EXPECT_TRUE(ReadingBetween(lines[4], "Δ" + name + " = ", unit)) << lines[4];
        EXPECT_TRUE(ReadingBetween(lines[5], "media [A, B) = ", unit)) << lines[5];
        EXPECT_TRUE(ReadingBetween(lines[6], "RMS [A, B) = ", unit)) << lines[6];
    }
}

// Every segment of a trace is drawn in its row's colour, the traces taking turns in band order.
TEST(TraceTable, EachTraceIsDrawnInItsColour) {
    Module1 m = TwoPeriodRun();
    const std::vector<PlotLine> lines = ExactTraces(m);
    ASSERT_EQ(lines.size() % 4, 0u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].colour, TraceTable()[i % 4].band.colour) << "segment " << i;
    }
}

} // namespace
