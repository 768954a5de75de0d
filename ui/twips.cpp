#include "ui/twips.h"

#include <QPaintDevice>

namespace {
constexpr double twipsPerInch = 1440.0;
constexpr double referenceDpi = 96.0;

// Converting with the screen's logical dpi keeps text and boxes in proportion: at 96 dpi a
// twip is 1/15 of a pixel.
int TwipsToPixels(int twips, int dotsPerInch) {
    return qRound(twips * dotsPerInch / twipsPerInch);
}
} // namespace

qreal DpiScale(const QPaintDevice& device) {
    return device.logicalDpiX() / referenceDpi;
}

QSize TwipsSize(int width, int height, const QPaintDevice& device) {
    return {TwipsToPixels(width, device.logicalDpiX()),
            TwipsToPixels(height, device.logicalDpiY())};
}

QRect TwipsRect(int left, int top, int width, int height, const QPaintDevice& device) {
    return {
        QPoint(TwipsToPixels(left, device.logicalDpiX()), TwipsToPixels(top, device.logicalDpiY())),
        TwipsSize(width, height, device)};
}
