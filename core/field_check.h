#pragma once

#include "core/message_box.h"
#include "core/module1.h"

// Guards a verification field: an empty text shows m.Msg, a text with any character that
// cannot occur in a number with a decimal point shows m.ErrMsg; either way m.ErrFlag becomes 1.
void CheckNumberField(Module1& m, const Text& fieldText, MessageBox& messages);
