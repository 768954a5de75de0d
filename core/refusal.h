#pragma once

#include "core/message_box.h"
#include "core/module1.h"

// Refuses a value the handler cannot use: the message goes into Msg and is shown; the handler
// then ends, as the returned false tells its caller.
inline bool Refuse(Module1& m, MessageBox& messages, const char16_t* message) {
    m.Msg = message;
    messages.MsgBox(m.Msg);
    return false;
}
