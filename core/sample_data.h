#pragma once

#include "core/form1_operations.h"

// Fills the six design fields with the worked example.
void FillSampleData(Form1Operations& form1);
