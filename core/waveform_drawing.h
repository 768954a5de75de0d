#pragma once

struct Module1;

// The drawing half of a verification run.
class WaveformDrawing {
public:
    virtual ~WaveformDrawing() = default;
    // Loads and shows Form2, then draws the plot frame (uses the shared counter Idx).
    virtual void showAndDrawFrame(Module1& m) = 0;
    // Draws the four traces of the last simulated period (uses Iter and Idx).
    virtual void drawTraces(Module1& m) = 0;
};
