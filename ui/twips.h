#pragma once

#include <QRect>

class QPaintDevice;

// The windows are laid out in twips (1/1440 inch), converted with the screen's logical dpi.

// How much larger than at 96 dpi the device shows a twip-sized layout.
qreal DpiScale(const QPaintDevice& device);

// A size or a rectangle (left, top, width, height) in twips, in pixels of the device.
QSize TwipsSize(int width, int height, const QPaintDevice& device);
QRect TwipsRect(int left, int top, int width, int height, const QPaintDevice& device);
