#pragma once

#include <QFrame>
#include <QIcon>
#include <QPixmap>

// The painted pictures of the windows: the box that shows a picture, the converter's
// schematic and the alarm clock of the window captions.

// A picture box: a fixed picture shown at its own size from the top-left corner inside a
// sunken border. What does not fit is cut off at the right and at the bottom; without a
// picture the box shows its background only. It takes the keyboard focus like a control and
// marks it with a dotted frame.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

// The schematic of the inverting buck-boost converter shown at the top left of the main
// window, enlarged by `dpiScale` (the screen's logical dpi over 96, so that it keeps its
// proportion to the window's text) and rendered at `devicePixelRatio` device pixels per logical
// pixel, so that it stays sharp on hi-dpi screens.
QPixmap SchematicPixmap(qreal dpiScale, qreal devicePixelRatio);

// The small red alarm clock shown in the caption of both windows.
QIcon AlarmClockIcon();
