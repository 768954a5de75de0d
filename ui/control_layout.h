#pragma once

#include <QRgb>
#include <optional>

// One control of a window as the layout describes it: its name (the Qt objectName), its text
// (UTF-8), its place and size in twips from the top-left corner of the client area, its font
// size in points and its background. Labels, text boxes and buttons share the description.
struct ControlLayout {
    const char* name;
    const char* text;
    int left;
    int top;
    int width;
    int height;
    double points;
    std::optional<QRgb> background = std::nullopt;
    const char* accessibleName = nullptr; // nullptr: the text speaks for itself
    bool bold = true;
};
