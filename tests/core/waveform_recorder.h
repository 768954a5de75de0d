#pragma once

#include "core/window_operations.h"
#include "utf8.h"

#include <string>
#include <vector>

// A stand-in for the waveform window and its drawing half, logging into a shared call list
// (e.g. a Form1Recorder's) so that the order across both windows shows: "obtainForm2",
// "resetPlot", "showAndDrawFrame", "drawTraces", "setCaption Label2 2.13E+00".
class WaveformRecorder : public WaveformWindowOperations, public WaveformDrawing {
public:
    explicit WaveformRecorder(std::vector<std::string>& calls) : calls_(calls) {}

    void obtainForm2() override { calls_.push_back("obtainForm2"); }
    void resetPlot() override { calls_.push_back("resetPlot"); }
    void setCaption(SummaryLabel label, const Text& caption) override {
        static const char* const names[] = {"Label2", "Label5", "Label8", "Label9", "Label16"};
        calls_.push_back(std::string("setCaption ") + names[static_cast<int>(label)] + " " +
                         Utf8(caption));
    }
    void showCancelled() override { calls_.push_back("showCancelled"); }
    void showAndDrawFrame(Module1&) override { calls_.push_back("showAndDrawFrame"); }
    void drawTraces(Module1&) override { calls_.push_back("drawTraces"); }

private:
    std::vector<std::string>& calls_;
};
