// The pointer readout: the band under the pointer and its trace's time and value.
#include "display/plot_readout.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "display/trace_geometry.h"
#include "display/trace_table.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// A trace's band under the pointer. The pointer bands are wider than the plot bands and leave
// no gap between them: each reaches from its own bottom up to the bottom of the band above
// (iL from 80, iC from 55 up to 80, Vo from 25 up to 55, id from 0.1 up to 25). Only 80 and
// 0.1 are zero lines, of iL and id; 55 and 25 lie in the empty space between the plot bands
// of iC (61 to 79) and Vo (32 to 50), and of Vo and id (0.1 to about 18.1).
struct PointerBand {
    Trace trace;
    float bottom; // lowest pointer y of the band, compared in single precision
    std::u16string_view timePrefix;
};

// Top band first.
constexpr std::array<PointerBand, 4> PointerBands{{
    {Trace::InductorCurrent, 80.0f, u"t= "},
    {Trace::CapacitorCurrent, 55.0f, u"t= "},
    {Trace::OutputVoltage, 25.0f, u"t= "},
    {Trace::DiodeCurrent, 0.1f, u"t = "},
}};

const PointerBand& PointerBandOf(Trace trace) {
    return *std::find_if(PointerBands.begin(), PointerBands.end(),
                         [&](const PointerBand& band) { return band.trace == trace; });
}

// The band's mapping y = (sample × factor) / scale + zero line, inverted, with the largest
// magnitude the trace's finder has just stored; or the fitted band's mapping, inverted.
double TraceValue(float y, const TraceRow& row, const Module1& m,
                  const std::optional<FittedBands>& fittedBands) {
    const TraceBand& band = row.band;
    if (fittedBands) {
        return FittedValue(y, band, (*fittedBands)[BandIndex(row.trace)]);
    }
    return (static_cast<double>(y) - band.zeroLine) * (m.*row.largest) / band.factor;
}

Text ToolTip(double plotX, float y, Trace trace, Module1& m, char16_t decimalSeparator,
             const std::optional<FittedBands>& fittedBands) {
    const TraceRow& row = RowOf(trace);
    const double t = PlotMicroseconds(plotX, m); // Format refuses a time that is not finite
    row.finder(m);
    const double v = TraceValue(y, row, m, fittedBands);
    return Text(PointerBandOf(trace).timePrefix) + Format(t, "0.00", decimalSeparator) +
           u"usec ; " + Text(row.name) + u"(t) = " + Format(v, "0.00E+00", decimalSeparator) +
           Text(row.unit);
}

} // namespace

std::optional<Trace> TraceUnderPointer(float y) {
    for (const PointerBand& band : PointerBands) {
        if (y >= band.bottom) {
            return band.trace;
        }
    }
    return std::nullopt;
}

CursorReadout ReadCursor(float x, float y, std::optional<Trace> currentSelection, Module1& m,
                         char16_t decimalSeparator, const WaveformView& view,
                         const std::optional<FittedBands>& fittedBands) {
    // The strip below the diode band selects nothing new.
    const std::optional<Trace> under = TraceUnderPointer(y);
    const std::optional<Trace> selection = under ? under : currentSelection;
    if (!selection) {
        return {selection, std::nullopt};
    }
    try {
        return {selection, ToolTip(view.plotX(x), y, *selection, m, decimalSeparator, fittedBands)};
    } catch (const RuntimeError&) {
        return {selection, std::nullopt};
    }
}
