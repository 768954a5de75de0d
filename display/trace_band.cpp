#include "display/trace_band.h"

#include "core/conversions.h"

const std::array<TraceBand, 4>& TraceBands() {
    static const std::array<TraceBand, 4> bands{{
        {&Module1::iL_t, &Module1::iLMax, 80, 18, RGB(255, 0, 0)},
        {&Module1::iC_t, &Module1::iCMax, 70, 9, RGB(0, 255, 0)},
        {&Module1::Vo_t, &Module1::VoMax, 50, 18, RGB(0, 0, 255)},
        {&Module1::id_t, &Module1::iLMax, 0.1, 18, RGB(0, 255, 255)},
    }};
    return bands;
}
