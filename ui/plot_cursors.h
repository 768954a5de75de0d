#pragma once

#include "core/module1.h"
#include "display/measuring_cursors.h"

#include <functional>
#include <memory>
#include <optional>

class PlotView;
class PlottedRunHolder;
class WaveformWindow;

// "Cursori di misura" lays two measuring cursors over the plotted run; clicks, drags and keys
// on the plot move them, and each move repaints only the cursors and their readings. The
// block sums of the run's traces that the readings need are made at the first use and kept
// until a run resets the plot, which also turns the cursors off. The pointer's readout goes
// on as without them, but while they are on the option buttons show the active cursor's trace
// rather than the trace under the pointer; choosing a trace with its button moves both
// cursors onto it and gives the keyboard back to the plot.
class PlotCursors {
public:
    // The cursors lie on `plotted`'s run as `view` shows it; readings are written with
    // `decimalSeparator`.
    PlotCursors(PlottedRunHolder& plotted, const PlotView& view, char16_t decimalSeparator);

    // Lets "Cursori di misura", the option buttons and the plot's cursor gestures of a new
    // window work the cursors.
    void connect(WaveformWindow& window);

    // The measuring cursors, while they are on.
    const std::optional<MeasuringCursors>& measuringCursors() const { return cursors_; }
    // The cursors as the plot shows them, while they are on: for a figure of the plot.
    const std::optional<CursorOverlay>& overlay() const { return overlay_; }

    // Lays the cursors, while they are on, over the plot drawn anew for another view or other
    // bands.
    void showOver(const Module1& run, WaveformWindow& window);
    // A new run is about to make the arrays anew: the cursors go off and the block sums of the
    // last run are forgotten.
    void reset();

private:
    void setMeasuring(bool on);
    void chooseTrace(Trace trace, WaveformWindow& window);
    void changeCursors(const std::function<void(MeasuringCursors&, const CursorSums&)>& change);
    void show(const Module1& run, WaveformWindow& window);

    PlottedRunHolder& plotted_;
    const PlotView& view_;
    char16_t decimalSeparator_;
    std::unique_ptr<const CursorSums> sums_; // of the plotted run, made at most once
    std::optional<MeasuringCursors> cursors_;
    std::optional<CursorOverlay> overlay_;
};
