#pragma once

#include <QPixmap>
#include <QSize>

// The schematic of the inverting buck-boost converter shown at the top left of the main
// window, in logical pixels.
inline constexpr QSize SchematicSize{647, 356};

// The schematic enlarged by `dpiScale` (the screen's logical dpi over 96, so that it keeps its
// proportion to the window's text) and rendered at `devicePixelRatio` device pixels per logical
// pixel, so that it stays sharp on hi-dpi screens.
QPixmap SchematicPixmap(qreal dpiScale, qreal devicePixelRatio);
