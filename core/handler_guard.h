#pragma once

#include "core/message_box.h"

#include <functional>

// Runs one event handler to its end. A runtime error (or exhausted memory) stops the handler
// where it stands, is reported in one Italian message, and the application goes on.
void RunGuarded(MessageBox& messages, const std::function<void()>& handler);
