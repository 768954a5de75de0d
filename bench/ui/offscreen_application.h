#pragma once

#include "test_support/recorders.h"
#include "ui/converter_app.h"
#include "ui/waveform_tools.h"

#include <cstdint>

// The windows need a QApplication; the benchmarks share one for the whole run, drawing
// offscreen unless a platform is chosen in the environment.
void EnsureOffscreenApplication();

// The whole tool with the worked example designed ("Dati Esempio", then "Calcola"), so that
// its verification fields hold the designed converter; messages are not waited for. Needs the
// application of EnsureOffscreenApplication.
class DesignedExample {
public:
    DesignedExample();

    ConverterApp& app() { return app_; }
    const Module1& variables() const { return variables_; }
    // Types N and NI, and NP when given, into the verification fields.
    void typeCounts(const char16_t* n, const char16_t* ni, const char16_t* np = nullptr);

private:
    SilentMessages messages_;
    Module1 variables_;
    DialogSaveFileChooser files_;
    ConverterApp app_;
};
