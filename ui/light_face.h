#pragma once

#include <QPalette>

// The light face the windows were designed with: light grey windows and buttons, white fields
// and black text, as Qt's Fusion style paints them on a light desktop. The background colours
// that group the controls and the trace colours were chosen against it, so each window keeps
// it whatever palette the desktop sets, at start and when the desktop changes its theme.
QPalette LightFace();
