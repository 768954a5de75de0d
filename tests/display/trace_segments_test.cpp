#include "core/handler_support.h"
#include "line_recorder.h"
#include "test_support/exact_waveform_drawing.h"
#include "test_support/synthetic_run.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Spans = std::vector<std::pair<float, float>>;
const Spans kOnePeriod{{25, 50}, {50, 75}, {75, 100}};
const Spans kTwoPeriods{{12.5f, 25}, {25, 37.5f}, {37.5f, 50},
                        {62.5f, 75}, {75, 87.5f}, {87.5f, 100}};

struct StreamCase {
    std::int32_t np, n;
    std::size_t segments;
    std::int32_t iter, idx; // afterwards; Idx was 7
    Spans inductor;         // x spans of the iL segments, when checked
};

TEST(TraceSegments, SegmentsPositionsOrderAndCounters) {
    const StreamCase cases[] = {
        {1, 4, 12, 2, 4, kOnePeriod},
        {2, 4, 24, 3, 4, kTwoPeriods},
        {10, 1000, 39960, 11, 1000, {}},
        {0, 4, 0, 1, 7, {}},
        {-3, 4, 0, 1, 7, {}},
        {3, 1, 0, 4, 1, {}},
    };
    const Color order[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 255, 255}};
    for (const StreamCase& c : cases) {
        Module1 m = SyntheticRun(c.np, c.n);
        m.Idx = 7;
        const std::vector<PlotLine> lines = ExactTraces(m);
        EXPECT_EQ(lines.size(), c.segments) << "NP " << c.np << " N " << c.n;
        EXPECT_EQ(std::make_pair(m.Iter, m.Idx), std::make_pair(c.iter, c.idx)) << "NP " << c.np;
        Spans inductor;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(lines[i].colour, order[i % 4]) << "segment " << i;
            if (i % 4 == 0 && !c.inductor.empty()) {
                inductor.emplace_back(lines[i].x1, lines[i].x2);
            }
        }
        EXPECT_EQ(inductor, c.inductor) << "NP " << c.np << " N " << c.n;
    }
}

struct BandCase {
    const char* name;
    void (*set)(Module1&); // sets sample 1 of one trace
    std::size_t trace;
    float y;
};

TEST(TraceSegments, SamplesLieInTheirBandsAndFlatTracesOnTheirZeroLines) {
    const BandCase cases[] = {
        {"iL at iLMax", [](Module1& m) { m.iL_t[1] = m.iLMax; }, 0, 98},
        {"iC at iCMax", [](Module1& m) { m.iC_t[1] = m.iCMax; }, 1, 79},
        {"iC at -iCMax", [](Module1& m) { m.iC_t[1] = -m.iCMax; }, 1, 61},
        {"Vo at -VoMax", [](Module1& m) { m.Vo_t[1] = -m.VoMax; }, 2, 32},
        {"id at 0", [](Module1& m) { m.id_t[1] = 0; }, 3, 0.1f},
        {"iC never moves", [](Module1& m) { m.iC_t.assign(4, 0), m.iCMax = 0; }, 1, 70},
        {"Vo never moves", [](Module1& m) { m.Vo_t.assign(4, 0), m.VoMax = 0; }, 2, 50},
    };
    for (const BandCase& c : cases) {
        Module1 m = SyntheticRun(1, 2);
        c.set(m);
        EXPECT_EQ(ExactTraces(m).at(c.trace).y1, c.y) << c.name;
    }
}

struct FaultCase {
    const char* name;
    void (*spoil)(Module1&);
    RuntimeErrorKind kind;
    std::size_t drawn;
};

TEST(TraceSegments, AFaultStopsAtItsSegmentAndKeepsTheSegmentsBefore) {
    // The capacitor current of sample 3 faults: sample 1 and iL of sample 2 are drawn.
    const FaultCase cases[] = {
        {"sample x factor overflows", [](Module1& m) { m.iC_t[3] = 1e308; },
         RuntimeErrorKind::Overflow, 5},
        {"y beyond single range", [](Module1& m) { m.iC_t[3] = 1e38 * m.iCMax; },
         RuntimeErrorKind::Overflow, 5},
        {"not a number", [](Module1& m) { m.iC_t[3] = std::numeric_limits<double>::quiet_NaN(); },
         RuntimeErrorKind::InvalidOperation, 5},
        {"arrays without the samples", [](Module1& m) { m.Vo_t.resize(4); },
         RuntimeErrorKind::IndexOutOfRange, 0},
    };
    for (const FaultCase& c : cases) {
        Module1 m = SyntheticRun(2, 4);
        c.spoil(m);
        LineRecorder sink;
        try {
            ExactWaveformDrawing(sink).drawTraces(m);
            ADD_FAILURE() << c.name << ": no fault";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), c.kind) << c.name;
        }
        EXPECT_EQ(sink.lines.size(), c.drawn) << c.name;
    }
}

} // namespace
