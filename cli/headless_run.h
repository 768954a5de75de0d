#pragma once

#include "core/conversions.h"
#include "core/handler_support.h"
#include "core/lossy_converter.h"
#include "core/module1.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The design and the verification run as the windows run them, on fields and boxes held in
// memory: the same handlers read the same texts, so the same texts give the same numbers bit
// for bit, and every text the windows would show is kept instead.

// A field of the main window as the command line names it: the option, the box whose text it
// stands for, its unit for the help, and the field's own text when the option is not given
// (nullptr: the option is required).
struct FieldOption {
    const char* name;
    TextBox box;
    const char* help;
    const char* defaultText = nullptr;
};

// The six design fields, then the nine verification fields, each in the order of the window.
const std::vector<FieldOption>& DesignOptions();
const std::vector<FieldOption>& VerificationOptions();

// What the user typed, by field.
using FieldTexts = std::map<TextBox, Text>;

// How a run ended.
enum class RunEnd {
    Done,          // every value computed
    Refused,       // a field check or a value check refused the input, with its message
    NotConducting, // the verification's conduction check refused the last period
    Faulted        // a runtime error ended the run, with its message
};

struct RunStatus {
    RunEnd end = RunEnd::Done;
    Text message;                          // the window's message; empty when Done
    std::optional<RuntimeErrorKind> fault; // Faulted only
};

// The fault's name for scripts: "Overflow", "DivisionByZero", ...
const char* FaultName(RuntimeErrorKind kind);

// A text the run wrote into a control of the windows, with the control's name ("Label24").
using ControlText = std::pair<std::string, Text>;

struct DesignRun {
    RunStatus status;
    Module1 m;
    // Every result box and field the design wrote, result boxes first, each in the windows'
    // order of names; numbers with a decimal point.
    std::vector<ControlText> texts;
};

// The click on "Calcola L , C , IDP, IDm , Iim" with the design fields holding `fields`.
DesignRun RunDesign(const FieldTexts& fields);

struct VerificationRun {
    RunStatus status;
    // The fields passed their checks and the run read its circuit: the circuit has an exact
    // solution however the run ended.
    bool checked = false;
    Module1 m;
    std::vector<ControlText> values; // the five value boxes of the waveform window
};

// The click on "Grafici" with the verification fields holding `fields`: the run checks, reads,
// simulates, checks conduction, measures and draws the traces (on no screen, so that a
// drawing fault ends the run as it would in the window).
VerificationRun RunVerificationHeadless(const FieldTexts& fields);

// The verification fields checked and read as the click on "Grafici" reads them, without the
// simulation: Done with the circuit and the counts in m (checked), or Refused or Faulted.
VerificationRun ReadVerificationHeadless(const FieldTexts& fields);

// The SPICE netlist of the circuit that the verification fields hold, with real parts: the
// fields are checked and read as a verification reads them, and the netlist's transient runs
// the verification's NI periods with a step of at most 1 / (N f).
struct NetlistRun {
    RunStatus status; // Refused or Faulted with the message, when the fields were not read
    std::string text; // the netlist, when Done
};

NetlistRun RunNetlist(const FieldTexts& fields, const RealParts& parts);
