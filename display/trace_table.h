#pragma once

#include "core/conversions.h"
#include "core/module1.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// What is known of each of the four traces of a run, in one table: its name and unit, its band
// and colour in the plot, and the finder of the largest magnitude that its readout uses.

// The four traces, in band order: the order of the table, of the bands and of the drawing.
enum class Trace { InductorCurrent, CapacitorCurrent, OutputVoltage, DiodeCurrent };

// A trace's place in band order.
constexpr std::size_t BandIndex(Trace trace) {
    return static_cast<std::size_t>(trace);
}

// One trace's horizontal band of the plot: a sample is drawn at
// y = (sample × factor) / scale + zeroLine, so the trace reaches `factor` above (or below)
// its zero line at the largest magnitude `scale`. In a normal run the trace then stays
// between fitBottom and fitBottom + FittedBandHeight, the stretch that a band fitted to its
// trace fills.
struct TraceBand {
    std::vector<double> Module1::*samples;
    double Module1::*scale;
    double zeroLine;
    double factor;
    Color colour;
    double fitBottom;
};

// One trace: its name ("iL") and unit ("A") as the readout and the cursors write them, what
// it is in words ("corrente nell'induttore"), its band, and the finder that stores the trace's
// largest magnitude in `largest`.
struct TraceRow {
    Trace trace;
    std::u16string_view name;
    std::u16string_view unit;
    std::u16string_view description;
    TraceBand band;
    void (*finder)(Module1&);
    double Module1::*largest;
};

// The four traces in band order: inductor current, capacitor current, output voltage and
// diode current.
const std::array<TraceRow, 4>& TraceTable();

const TraceRow& RowOf(Trace trace);

// The trace's name as a function of time, "iL(t)": how its option button and the figure name it.
Text CaptionOf(Trace trace);

// The bands of the table, in band order.
const std::array<TraceBand, 4>& TraceBands();
