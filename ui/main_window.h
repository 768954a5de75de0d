#pragma once

#include "core/handler_support.h"

#include <QWidget>
#include <array>

class PictureBox;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

// Form1, the main window: the schematic, the design and verification fields, the design
// results and the three buttons in its client area, every control at a fixed place, and above
// it a menu bar for the tools beside the design and the language. The handlers reach the window
// only through Form1Operations.
class MainWindow : public QWidget, public Form1Operations {
    Q_OBJECT

public:
    // Message boxes of the handlers go to `messages`.
    explicit MainWindow(MessageBox& messages);

    // The area below the menu bar that holds every control at its place.
    QWidget& clientArea() const { return *clientArea_; }
    QMenuBar& menuBar() const { return *menuBar_; }
    // Progetto > "Valori normalizzati...": available once a design has completed.
    QAction& standardValuesAction() const { return *standardValues_; }
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

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void setFocusOrder();
    void translateTexts();

    MessageBox& messages_;
    QWidget* clientArea_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* designMenu_ = nullptr;
    QAction* standardValues_ = nullptr;
    PictureBox* schematic_ = nullptr;
    // In the order of TextBox and ResultLabel.
    std::array<QLineEdit*, 15> fields_{};
    std::array<QLabel*, 5> results_{};
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
};
