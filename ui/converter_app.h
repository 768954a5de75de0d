#pragma once

#include "core/handler_support.h"
#include "core/module1.h"
#include "display/screen_waveform_drawing.h"
#include "ui/main_window.h"
#include "ui/waveform_tools.h"
#include "ui/waveform_window.h"

#include <vector>

// The title of every message box and dialog.
inline constexpr char16_t ApplicationTitle[] = u"Convertitore tipo inverter";

// The handlers' messages on screen: a modal box with the text, an OK button only, no icon and
// the application's title.
class DialogMessageBox : public MessageBox {
public:
    void MsgBox(const Text& text) override;
};

// The decimal separator of the user's locale, for the numbers the tool shows.
char16_t UserDecimalSeparator();

// The whole tool: the main window and, when a verification has opened it, the waveform window,
// working on the shared converter variables. The three buttons of the main window run their
// handlers; a runtime error stops the handler with one message and the tool goes on.
class ConverterApp {
public:
    // `m` holds the shared variables for the life of the process (its owner keeps it);
    // `messages` shows every message box and `files` asks where to save; `decimalSeparator`
    // is the user's, used in the numbers the tool shows (not in the texts it writes into the
    // verification fields).
    ConverterApp(Module1& m, MessageBox& messages, SaveFileChooser& files,
                 char16_t decimalSeparator);

    MainWindow& form1() { return form1_; }
    WaveformWindowHost& form2() { return form2_; }

private:
    using Handler = void (ConverterApp::*)();

    // Runs one click's handler to its end. A long verification keeps the event loop turning,
    // and no handler may start inside another: a click that arrives meanwhile is handled once
    // the running handler has ended, in the order the clicks came.
    void handleClick(Handler handler);
    void calculateDesign();
    void runVerification();
    void fillSampleData();
    // The waveform window's commands run as handlers too: an export keeps the event loop
    // turning, and no run may replace the arrays it reads.
    void connectWaveformActions(WaveformWindow& window);
    void saveImage();
    void exportCsv();
    void copyImage();
    void copyValues();

    MessageBox& messages_;
    char16_t decimalSeparator_;
    Module1& m_;
    MainWindow form1_;
    WaveformWindowHost form2_;
    ScreenWaveformDrawing drawing_;
    WaveformTools tools_;
    bool handling_ = false;
    std::vector<Handler> deferred_;
};
