#pragma once

#include "core/message_box.h"
#include "core/module1.h"

// The model has no discontinuous conduction: the inductor current of the last simulated period
// must stay above zero at every sample 1..N. At the first sample that is not (NaN included) it
// shows the message and returns false, with Idx left at that sample; else Idx ends at N + 1.
bool CheckConduction(Module1& m, MessageBox& messages);
