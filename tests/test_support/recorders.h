#pragma once

#include "core/conversions.h"
#include "core/handler_support.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Keeps the texts of the message boxes shown, in order, as UTF-8.
class MessageRecorder : public MessageBox {
public:
    std::vector<std::string> texts;
    void MsgBox(const Text& text) override { texts.push_back(Utf8(text)); }
};

// A stand-in for the main window: keeps the field texts and logs every operation in order,
// e.g. "setText Text7 1.500E+01", "setForeColor Text7 0,0,255", "setCaption Label24 7.99E+03",
// "MsgBox La frequenza ...". Reading a text is not logged.
class Form1Recorder : public Form1Operations {
public:
    std::map<TextBox, Text> texts;
    std::vector<std::string> calls;

    Text text(TextBox box) const override {
        const auto found = texts.find(box);
        return found == texts.end() ? Text() : found->second;
    }
    void setText(TextBox box, const Text& text) override {
        texts[box] = text;
        calls.push_back("setText " + ControlName(box) + " " + Utf8(text));
    }
    void setForeColor(TextBox box, Color color) override {
        calls.push_back("setForeColor " + ControlName(box) + " " + std::to_string(color.red) + "," +
                        std::to_string(color.green) + "," + std::to_string(color.blue));
    }
    void setCaption(ResultLabel label, const Text& caption) override {
        calls.push_back("setCaption " + ControlName(label) + " " + Utf8(caption));
    }
    void MsgBox(const Text& text) override { calls.push_back("MsgBox " + Utf8(text)); }

    void type(TextBox box, const std::string& utf8) { texts[box] = TextFromUtf8(utf8); }
};

// A stand-in for the waveform window and its drawing half, logging into a shared call list
// (e.g. a Form1Recorder's) so that the order across both windows shows: "obtainForm2",
// "resetPlot", "showAndDrawFrame", "drawTraces", "setCaption Label2 2.13E+00".
class WaveformRecorder : public WaveformWindowOperations, public WaveformDrawing {
public:
    explicit WaveformRecorder(std::vector<std::string>& calls) : calls_(calls) {}

    void obtainForm2() override { calls_.push_back("obtainForm2"); }
    void resetPlot() override { calls_.push_back("resetPlot"); }
    void setCaption(SummaryLabel label, const Text& caption) override {
        calls_.push_back("setCaption " + ControlName(label) + " " + Utf8(caption));
    }
    void showCancelled() override { calls_.push_back("showCancelled"); }
    void showAndDrawFrame(Module1&) override { calls_.push_back("showAndDrawFrame"); }
    void drawTraces(Module1&) override { calls_.push_back("drawTraces"); }

private:
    std::vector<std::string>& calls_;
};

// Watches a long task: keeps every fraction done it is told, in order, with the simulation's
// period named alongside (0 when none was), and stops the task at its stopAtCall-th question
// (never unless set).
class RecordingObserver : public SimulationObserver {
public:
    std::vector<double> fractions;
    std::vector<std::int32_t> periods;
    std::int32_t periodCount = 0; // the number of periods a simulation named last
    std::size_t stopAtCall = std::numeric_limits<std::size_t>::max(); // 1 for the first call
    bool keepGoing(double fraction) override {
        fractions.push_back(fraction);
        periods.push_back(std::exchange(named_, 0));
        return fractions.size() < stopAtCall;
    }
    bool keepGoingInPeriod(double fraction, std::int32_t period, std::int32_t count) override {
        named_ = period;
        periodCount = count;
        return keepGoing(fraction);
    }

private:
    std::int32_t named_ = 0;
};

// Benchmarks measure the computation, not a person closing message boxes: should a message
// come, it must not wait for a click.
class SilentMessages : public MessageBox {
public:
    void MsgBox(const Text&) override {}
};
