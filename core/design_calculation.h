#pragma once

#include "core/handler_support.h"
#include "core/module1.h"

// Designs the converter from the six design fields of the main window: duty cycle, L, C, IDP,
// IDm, Iim and RL. Shows five results and writes the verification fields in light blue.
// decimalSeparator is the user's locale separator, used by the result labels.
void CalculateDesign(Module1& m, Form1Operations& form1, char16_t decimalSeparator);

// Fills the six design fields with the worked example.
void FillSampleData(Form1Operations& form1);
