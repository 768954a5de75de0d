// The run whose traces the waveform window shows, kept apart from the shared variables.
#include "ui/plotted_run.h"

#include <utility>

PlottedRun::PlottedRun(Module1& m) {
    SwapSamples(run_, m);
    Module1 variables = m;
    SwapSamples(run_, m);
    std::swap(run_, variables);
}

void PlottedRun::SwapSamples(Module1& a, Module1& b) {
    a.iL_t.swap(b.iL_t);
    a.Vo_t.swap(b.Vo_t);
    a.iC_t.swap(b.iC_t);
    a.id_t.swap(b.id_t);
}
