#pragma once

#include "core/handler_support.h"

#include <QWidget>
#include <array>

class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Form1, the main window: the schematic, the design and verification fields, the design
// results and the three buttons. Every control sits at a fixed place; the handlers reach the
// window only through Form1Operations.
class MainWindow : public QWidget, public Form1Operations {
    Q_OBJECT

public:
    // Message boxes of the handlers go to `messages`.
    explicit MainWindow(MessageBox& messages);

    QPushButton& command1() const { return *command1_; }
    QPushButton& command2() const { return *command2_; }
    QPushButton& command3() const { return *command3_; }
    // The field and the result box that the handlers name.
    QLineEdit& field(TextBox box) const;
    QLabel& result(ResultLabel label) const;

    Text text(TextBox box) const override;
    void setText(TextBox box, const Text& text) override;
    void setForeColor(TextBox box, Color color) override;
    void setCaption(ResultLabel label, const Text& caption) override;
    void MsgBox(const Text& text) override;

private:
    void createControls();
    void setFocusOrder();

    MessageBox& messages_;
    PictureBox* schematic_ = nullptr;
    // In the order of TextBox and ResultLabel.
    std::array<QLineEdit*, 15> fields_{};
    std::array<QLabel*, 5> results_{};
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
};
