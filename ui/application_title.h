#pragma once

// The title of every message box and dialog.
inline constexpr char16_t ApplicationTitle[] = u"Convertitore tipo inverter";
