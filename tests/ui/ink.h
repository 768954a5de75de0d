#pragma once

#include <QImage>

// The four trace colours, told apart from the light-yellow background and from the black
// ticks even where antialiasing blends a line's edge into the background.
enum class Ink { Red, Green, Blue, Cyan };

inline bool IsInk(QRgb pixel, Ink ink) {
    const bool red = qRed(pixel) > 200;
    const bool green = qGreen(pixel) > 200;
    const bool blue = qBlue(pixel) > 200;
    const bool noRed = qRed(pixel) < 100;
    const bool noGreen = qGreen(pixel) < 100;
    const bool noBlue = qBlue(pixel) < 100;
    switch (ink) {
    case Ink::Red:
        return red && noGreen && noBlue;
    case Ink::Green:
        return noRed && green && noBlue;
    case Ink::Blue:
        return noRed && noGreen && blue;
    case Ink::Cyan:
        return noRed && green && blue;
    }
    return false;
}

// Pixels of an ink between two plot heights (y 0 at the bottom, 100 at the top).
inline int CountInk(const QImage& image, Ink ink, double yLow, double yHigh) {
    const int rows = image.height();
    const int top = static_cast<int>((100 - yHigh) * (rows - 1) / 100);
    const int bottom = static_cast<int>((100 - yLow) * (rows - 1) / 100);
    int count = 0;
    for (int row = top; row <= bottom; ++row) {
        for (int column = 0; column < image.width(); ++column) {
            count += IsInk(image.pixel(column, row), ink) ? 1 : 0;
        }
    }
    return count;
}
