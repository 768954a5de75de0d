#pragma once

#include "core/conversions.h"
#include "core/converter_circuit.h"
#include "core/handler_support.h"
#include "core/module1.h"

#include <cstdint>
#include <optional>

// The windows and settings one verification run works with.
struct VerificationContext {
    Form1Operations& form1;
    WaveformWindowOperations& form2;
    WaveformDrawing& drawing;
    char16_t decimalSeparator = u'.';
    SimulationObserver* observer = nullptr;
};

// How a verification run ended.
enum class VerificationEnd {
    Refused,       // a field or value check refused the input, with its message
    NotConducting, // the conduction check refused the last simulated period, with its message
    Cancelled,     // the user stopped the simulation
    Faulted,       // a runtime error ended the run, reported in one message
    Drawn          // the traces are drawn and the five values measured
};

struct VerificationOutcome {
    VerificationEnd end = VerificationEnd::Refused;
    // The circuit and the simulated periods NI as the run read them, once every input has
    // passed the checks (always, unless Refused).
    std::optional<ConverterCircuit> circuit;
    std::int32_t NI = 0;
    std::optional<RuntimeErrorKind> fault; // Faulted only
};

// The fields as the "Grafici" click reads them before it simulates: each of the nine checked,
// then Vi, D, f, L, C, RL, N, NP and NI read into m. False once a refusal has shown its
// message; a runtime error is thrown.
bool ReadVerificationFields(Module1& m, Form1Operations& form1);

// The "Grafici" click: checks and reads the nine verification fields, simulates, draws and
// writes the five measured values into the waveform window. A runtime error ends the run with
// one message through the main window, as any handler's does; the outcome tells how it ended.
VerificationOutcome RunVerification(Module1& m, const VerificationContext& context);

// Guards a verification field: an empty text shows m.Msg, a text with any character that
// cannot occur in a number with a decimal point shows m.ErrMsg; either way m.ErrFlag becomes 1.
void CheckNumberField(Module1& m, const Text& fieldText, MessageBox& messages);
