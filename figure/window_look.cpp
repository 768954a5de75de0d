// The windows' light face and their shipped typeface.
#include "figure/window_look.h"

#include <QFontDatabase>
#include <QString>

namespace {

// One colour role: its colour in an enabled window (active or not) and when disabled.
struct RoleColors {
    QPalette::ColorRole role;
    QRgb enabled;
    QRgb disabled;
};

constexpr RoleColors lightFace[] = {
    {QPalette::WindowText, qRgb(0, 0, 0), qRgb(190, 190, 190)},
    {QPalette::Button, qRgb(239, 239, 239), qRgb(239, 239, 239)},
    {QPalette::Light, qRgb(255, 255, 255), qRgb(255, 255, 255)},
    {QPalette::Midlight, qRgb(202, 202, 202), qRgb(202, 202, 202)},
    {QPalette::Dark, qRgb(159, 159, 159), qRgb(190, 190, 190)},
    {QPalette::Mid, qRgb(184, 184, 184), qRgb(184, 184, 184)},
    {QPalette::Text, qRgb(0, 0, 0), qRgb(190, 190, 190)},
    {QPalette::BrightText, qRgb(255, 255, 255), qRgb(255, 255, 255)},
    {QPalette::ButtonText, qRgb(0, 0, 0), qRgb(190, 190, 190)},
    {QPalette::Base, qRgb(255, 255, 255), qRgb(239, 239, 239)},
    {QPalette::Window, qRgb(239, 239, 239), qRgb(239, 239, 239)},
    {QPalette::Shadow, qRgb(118, 118, 118), qRgb(177, 177, 177)},
    {QPalette::Highlight, qRgb(48, 140, 198), qRgb(145, 145, 145)},
    {QPalette::HighlightedText, qRgb(255, 255, 255), qRgb(255, 255, 255)},
    {QPalette::Link, qRgb(0, 0, 255), qRgb(0, 0, 255)},
    {QPalette::LinkVisited, qRgb(255, 0, 255), qRgb(255, 0, 255)},
    {QPalette::AlternateBase, qRgb(247, 247, 247), qRgb(247, 247, 247)},
    {QPalette::NoRole, qRgb(0, 0, 0), qRgb(0, 0, 0)},
    {QPalette::ToolTipBase, qRgb(255, 255, 220), qRgb(255, 255, 220)},
    {QPalette::ToolTipText, qRgb(0, 0, 0), qRgb(0, 0, 0)},
    {QPalette::PlaceholderText, qRgba(0, 0, 0, 128), qRgba(0, 0, 0, 128)},
};

} // namespace

// Every role of every group is set, so no colour of the desktop's palette shows through.
QPalette LightFace() {
    QPalette palette;
    for (const RoleColors& colors : lightFace) {
        const QColor enabled = QColor::fromRgba(colors.enabled);
        palette.setColor(QPalette::Active, colors.role, enabled);
        palette.setColor(QPalette::Inactive, colors.role, enabled);
        palette.setColor(QPalette::Disabled, colors.role, QColor::fromRgba(colors.disabled));
    }
    return palette;
}

void RegisterWindowFonts() {
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
}

QFont WindowFont(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
