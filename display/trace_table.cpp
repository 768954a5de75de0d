#include "display/trace_table.h"

#include "core/conversions.h"
#include "core/measurements.h"
#include "core/module1.h"

// The inductor and diode currents are positive, drawn above their zero lines; the output
// voltage is negative, drawn below its own; the capacitor current swings both ways. The diode
// current shares the inductor current's scale, so the two current traces are drawn to one
// scale, but its readout reads it against its own largest magnitude idMax: the two scales are
// equal when the diode carries the inductor's peak current.
const std::array<TraceRow, 4>& TraceTable() {
    static const std::array<TraceRow, 4> table{{
        {Trace::InductorCurrent,
         u"iL",
         u"A",
         u"corrente nell'induttore",
         {&Module1::iL_t, &Module1::iLMax, 80, 18, RGB(255, 0, 0), 80},
         FindILMax,
         &Module1::iLMax},
        {Trace::CapacitorCurrent,
         u"iC",
         u"A",
         u"corrente nel condensatore",
         {&Module1::iC_t, &Module1::iCMax, 70, 9, RGB(0, 255, 0), 61},
         FindICMax,
         &Module1::iCMax},
        {Trace::OutputVoltage,
         u"Vo",
         u"V",
         u"tensione di uscita",
         {&Module1::Vo_t, &Module1::VoMax, 50, 18, RGB(0, 0, 255), 32},
         FindVoMax,
         &Module1::VoMax},
        {Trace::DiodeCurrent,
         u"id",
         u"A",
         u"corrente nel diodo",
         {&Module1::id_t, &Module1::iLMax, 0.1, 18, RGB(0, 255, 255), 0.1},
         FindIdMax,
         &Module1::idMax},
    }};
    return table;
}

const TraceRow& RowOf(Trace trace) {
    return TraceTable()[BandIndex(trace)];
}

Text CaptionOf(Trace trace) {
    return Text(RowOf(trace).name) + u"(t)";
}

const std::array<TraceBand, 4>& TraceBands() {
    static const std::array<TraceBand, 4> bands{TraceTable()[0].band, TraceTable()[1].band,
                                                TraceTable()[2].band, TraceTable()[3].band};
    return bands;
}
