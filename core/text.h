#pragma once

#include <string>

// Window texts are UTF-16, as the toolkit stores them: field checks and length limits count
// UTF-16 code units.
using Text = std::u16string;
