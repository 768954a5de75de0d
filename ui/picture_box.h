#pragma once

#include <QFrame>
#include <QPixmap>

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
