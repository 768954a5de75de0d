#include "core/handler_guard.h"

#include "core/runtime_error.h"

#include <new>

void RunGuarded(MessageBox& messages, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        messages.MsgBox(RuntimeErrorMessage(error.kind()));
    } catch (const std::bad_alloc&) {
        messages.MsgBox(RuntimeErrorMessage(RuntimeErrorKind::OutOfMemory));
    }
}
