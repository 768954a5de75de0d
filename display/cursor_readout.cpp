#include "display/cursor_readout.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "core/simulation.h"
#include "display/trace_geometry.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace {

// One trace as the readout sees it. The pointer bands are wider than the plot bands and leave
// no gap between them: each reaches from its own bottom up to the bottom of the band above
// (iL from 80, iC from 55 up to 80, Vo from 25 up to 55, id from 0.1 up to 25). Only 80 and
// 0.1 are zero lines, of iL and id; 55 and 25 lie in the empty space between the plot bands
// of iC (61 to 79) and Vo (32 to 50), and of Vo and id (0.1 to about 18.1).
struct ReadoutRow {
    TraceOption option;
    float bandBottom; // lowest pointer y of the band, compared in single precision
    std::size_t band; // the plot band whose mapping the value inverts
    void (*finder)(Module1&);
    double Module1::*extreme;
    std::u16string_view timePrefix;
    std::u16string_view label;
    std::u16string_view unit;
};

// Top band first. The diode current is read against its own largest magnitude idMax, while
// the plot draws it against iLMax: the two scales are equal when the diode carries the
// inductor's peak current.
constexpr std::array<ReadoutRow, 4> kRows{{
    {TraceOption::Option1, 80.0f, 0, FindILMax, &Module1::iLMax, u"t= ", u"iL(t) = ", u"A"},
    {TraceOption::Option2, 55.0f, 1, FindICMax, &Module1::iCMax, u"t= ", u"iC(t) = ", u"A"},
    {TraceOption::Option3, 25.0f, 2, FindVoMax, &Module1::VoMax, u"t= ", u"Vo(t) = ", u"V"},
    {TraceOption::Option5, 0.1f, 3, FindIdMax, &Module1::idMax, u"t = ", u"id(t) = ", u"A"},
}};

const ReadoutRow& RowOf(TraceOption option) {
    return *std::find_if(kRows.begin(), kRows.end(),
                         [&](const ReadoutRow& row) { return row.option == option; });
}

// The plot spans NP switching periods of 1 / f seconds: the time in microseconds from its left
// edge. A zero f gives no finite time, which Format refuses as a runtime error.
double Microseconds(double plotX, const Module1& m) {
    return plotX / 100 * static_cast<double>(m.NP) * 1000000 / m.f;
}

// The band's mapping y = (sample × factor) / scale + zero line, inverted, with the extreme the
// row's finder has just stored; or the fitted band's mapping, inverted.
double TraceValue(float y, const ReadoutRow& row, const Module1& m,
                  const std::optional<FittedBands>& fittedBands) {
    const TraceBand& band = TraceBands()[row.band];
    if (fittedBands) {
        return FittedValue(y, band, (*fittedBands)[row.band]);
    }
    return (static_cast<double>(y) - band.zeroLine) * (m.*row.extreme) / band.factor;
}

Text ToolTip(double plotX, float y, const ReadoutRow& row, Module1& m, char16_t decimalSeparator,
             const std::optional<FittedBands>& fittedBands) {
    const double t = Microseconds(plotX, m);
    row.finder(m);
    const double v = TraceValue(y, row, m, fittedBands);
    return Text(row.timePrefix) + Format(t, "0.00", decimalSeparator) + u"usec ; " +
           Text(row.label) + Format(v, "0.00E+00", decimalSeparator) + Text(row.unit);
}

} // namespace

std::optional<TraceOption> TraceUnderPointer(float y) {
    for (const ReadoutRow& row : kRows) {
        if (y >= row.bandBottom) {
            return row.option;
        }
    }
    return std::nullopt;
}

CursorReadout ReadCursor(float x, float y, std::optional<TraceOption> currentSelection, Module1& m,
                         char16_t decimalSeparator, const WaveformView& view,
                         const std::optional<FittedBands>& fittedBands) {
    // The strip below the diode band selects nothing new.
    const std::optional<TraceOption> under = TraceUnderPointer(y);
    const std::optional<TraceOption> selection = under ? under : currentSelection;
    if (!selection) {
        return {selection, std::nullopt};
    }
    try {
        return {selection,
                ToolTip(view.plotX(x), y, RowOf(*selection), m, decimalSeparator, fittedBands)};
    } catch (const RuntimeError&) {
        return {selection, std::nullopt};
    }
}
