#pragma once

#include "core/conversions.h"
#include "core/runtime_error.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct Module1;

// What every event handler of the windows works with: the message box it speaks through, the
// runtime error that ends it, the guard that runs it to its end, and what it sees of the two
// windows.

// A modal message box with an OK button only, no icon and the application's title; returns
// when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void MsgBox(const Text& text) = 0;
};

// Runs one event handler to its end. A runtime error (or exhausted memory) stops the handler
// where it stands, is reported in one Italian message, and the application goes on; the kind
// of the fault reported is returned, none when the handler ended by itself.
std::optional<RuntimeErrorKind> RunGuarded(MessageBox& messages,
                                           const std::function<void()>& handler);

// Refuses a value the handler cannot use: the message goes into Msg and is shown; the handler
// then ends, as the returned false tells its caller.
bool Refuse(Module1& m, MessageBox& messages, const char16_t* message);

// What the handlers see of the two windows: the main window's fields and result boxes, the
// waveform window's value boxes, the drawing of a verification and the watcher of a long
// simulation.

// The text boxes of the main window: design data Text1..Text6, verification data Text7..Text15.
enum class TextBox {
    Text1 = 1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Text15
};

// The design result boxes of the main window.
enum class ResultLabel { Label24, Label25, Label26, Label27, Label32 };

// The value boxes of the waveform window that show the simulated summary values.
enum class SummaryLabel { Label2, Label5, Label8, Label9, Label16 };

// The name of the control that each field and value box stands for, as the windows' layouts
// give it: "Text7", "Label24", "Label2".
std::string ControlName(TextBox box);
std::string ControlName(ResultLabel label);
std::string ControlName(SummaryLabel label);

// What the handlers of the main window do to it.
class Form1Operations : public MessageBox {
public:
    virtual Text text(TextBox box) const = 0;
    virtual void setText(TextBox box, const Text& text) = 0;
    virtual void setForeColor(TextBox box, Color color) = 0;
    virtual void setCaption(ResultLabel label, const Text& caption) = 0;
};

// What the verification does to the waveform window Form2.
class WaveformWindowOperations {
public:
    virtual ~WaveformWindowOperations() = default;
    // Makes Form2 exist, created hidden when it does not (an open window is used unchanged).
    virtual void obtainForm2() = 0;
    // Resets the plot box to its bare background, as assigning it the empty picture of the
    // window's second picture box Picture2 does: whatever an earlier run drew is gone.
    virtual void resetPlot() = 0;
    virtual void setCaption(SummaryLabel label, const Text& caption) = 0;
    // After a cancelled run: the five value boxes are emptied, since nothing was measured, and
    // the plot says that the simulation was cancelled. The next run's plot reset removes it.
    virtual void showCancelled() = 0;
};

// The drawing half of a verification run.
class WaveformDrawing {
public:
    virtual ~WaveformDrawing() = default;
    // Loads and shows Form2, then draws the plot frame (uses the shared counter Idx).
    virtual void showAndDrawFrame(Module1& m) = 0;
    // Draws the four traces of the last simulated period (uses Iter and Idx).
    virtual void drawTraces(Module1& m) = 0;
};

// Watches a long task, a simulation or an export: told the fraction done at a bounded rate, it
// may stop the task.
class SimulationObserver {
public:
    virtual ~SimulationObserver() = default;
    // Returns false to stop the task.
    virtual bool keepGoing(double fractionDone) = 0;
    // The same question from a simulation's periods, naming the one running or just run:
    // `period` (1 for the first) of the `periods` simulated (NI). An observer that shows only
    // the fraction done needs nothing more.
    virtual bool keepGoingInPeriod(double fractionDone, std::int32_t /*period*/,
                                   std::int32_t /*periods*/) {
        return keepGoing(fractionDone);
    }
};
