#pragma once

#include <QRect>

class QPaintDevice;

// The windows are laid out in twips (1/1440 inch). Converting with the screen's logical dpi
// keeps text and boxes in proportion: at 96 dpi a twip is 1/15 of a pixel.
int TwipsToPixels(int twips, int dotsPerInch);

// How much larger than at 96 dpi the device shows a twip-sized layout.
qreal DpiScale(const QPaintDevice& device);

// A size or a rectangle (left, top, width, height) in twips, in pixels of the device.
QSize TwipsSize(int width, int height, const QPaintDevice& device);
QRect TwipsRect(int left, int top, int width, int height, const QPaintDevice& device);
