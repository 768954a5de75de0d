#pragma once

#include "core/module1.h"

#include <functional>

class WaveformWindow;

// The run whose traces the waveform window shows: its variables as the run left them, apart
// from the sample arrays, which stay in the shared variables (they are large). A later design
// calculation or a refused verification changes the shared variables but not the arrays, so
// what the window exports is always the run it shows.
class PlottedRun {
public:
    // Keeps m's variables; m's arrays must stay those of this run while it is used.
    explicit PlottedRun(Module1& m);

    // Calls `use` with the run's variables and the shared arrays together, then gives the
    // arrays back.
    template <typename Use> auto withSamples(Module1& shared, Use use) {
        SwapSamples(run_, shared);
        struct GiveBack {
            Module1& run;
            Module1& shared;
            ~GiveBack() { SwapSamples(run, shared); }
        } giveBack{run_, shared};
        return use(run_);
    }

private:
    static void SwapSamples(Module1& a, Module1& b);
    Module1 run_;
};

// Where the plotted run and the window that shows it are reached: the window's host holds
// them, its view and measuring cursors work on them.
class PlottedRunHolder {
public:
    // The open window, or null when there is none.
    virtual WaveformWindow* window() const = 0;
    // Calls `use` with the plotted run (variables and samples together) and the window, if
    // the window shows one.
    virtual void
    withPlottedRun(const std::function<void(Module1& run, WaveformWindow& window)>& use) = 0;

protected:
    ~PlottedRunHolder() = default;
};
