#pragma once

#include "core/conversions.h"
#include "core/handler_support.h"
#include "test_support/recorders.h"
#include "ui/converter_app.h"
#include "ui/plot_box.h"
#include "ui/waveform_tools.h"
#include "ui/waveform_window.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << '(' << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height()
         << ')';
}
inline void PrintTo(const QPoint& point, std::ostream* out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}

// A control's name (its object name), and the control of `window` with that name, or null:
// the tests name controls and look them up through these two alone.
inline std::string NameOf(const QObject& object) {
    return object.objectName().toStdString();
}
template <typename Control = QWidget>
Control* Named(const QObject& window, const std::string& name) {
    return window.findChild<Control*>(QString::fromStdString(name));
}

// The progress dialog of a running simulation, if one is shown.
inline QProgressDialog* OpenProgressDialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QProgressDialog*>(window); dialog && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

// Counts the events of one type that reach the objects it watches; lets them all through.
class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : type_(type) {}
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == type_ ? 1 : 0;
        return false;
    }

private:
    QEvent::Type type_;
};

// Stands in for the save dialog: answers with `answer` and the file type `type` (nothing: the
// user cancels) and keeps the paths it was offered.
class FileChooserStub : public SaveFileChooser {
public:
    std::optional<QString> answer;
    std::size_t type = 0;
    QStringList proposed;
    std::optional<ChosenFile> choose(QWidget*, const QString&, const QString& proposedPath,
                                     const std::vector<FileType>&) override {
        proposed << proposedPath;
        if (!answer) {
            return std::nullopt;
        }
        return ChosenFile{*answer, type};
    }
};

// The whole tool with intercepted messages and a comma as the user's decimal separator, so
// that the locale's separator is told apart from the point of the verification fields.
class AppTest : public testing::Test {
protected:
    MessageRecorder messages;
    FileChooserStub files;
    Module1 variables;
    ConverterApp app{variables, messages, files, u','};

    // A missing window, control or command fails the test, which goes on with a blank
    // stand-in instead of crashing and taking every later test's result with it.
    template <typename Control = QWidget>
    Control& control(const QObject& window, const std::string& name) {
        if (auto* found = Named<Control>(window, name)) {
            return *found;
        }
        ADD_FAILURE() << "no control " << name;
        return standIn<Control>();
    }
    // The text of a field, label or button of the main window.
    QString form1Text(const char* name) {
        return control(app.form1(), name).property("text").toString();
    }
    void type(const char* name, const char* text) {
        control<QLineEdit>(app.form1(), name).setText(QString::fromUtf8(text));
    }
    void click(const char* name) { control<QPushButton>(app.form1(), name).click(); }
    // The texts of the waveform window's five value boxes.
    QStringList valueTexts() {
        QStringList texts;
        for (const SummaryLabel label :
             {SummaryLabel::Label2, SummaryLabel::Label5, SummaryLabel::Label8,
              SummaryLabel::Label9, SummaryLabel::Label16}) {
            texts << control<QLabel>(form2(), ControlName(label)).text();
        }
        return texts;
    }
    // A "Grafici" run long enough to open its progress dialog, cancelled there by "Annulla".
    void runCancelledAtTheProgressDialog() {
        type("Text10", "100000"); // settles so slowly that every one of the periods runs
        type("Text15", "1000000");
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [] {
            if (QProgressDialog* progress = OpenProgressDialog()) {
                progress->cancel();
            }
        });
        watch.start(10);
        click("Command2");
        watch.stop();
    }
    // Sample data, design and verification of the worked example.
    void runExample() {
        click("Command3");
        click("Command1");
        click("Command2");
    }
    WaveformWindow& form2() {
        if (WaveformWindow* window = app.form2().window()) {
            return *window;
        }
        ADD_FAILURE() << "no waveform window is open";
        return standIn<WaveformWindow>();
    }
    // Makes the waveform window the active one and waits until the window system has made it
    // so: only an active window takes shortcuts, and only there may a widget hold the keyboard.
    bool activateForm2() {
        form2().activateWindow();
        return QTest::qWaitForWindowActive(&form2());
    }
    // Gives a widget of the active window the keyboard focus and waits until it holds it.
    static bool focus(QWidget& widget) {
        widget.setFocus();
        return QTest::qWaitFor([&] { return widget.hasFocus(); });
    }
    // A pointer move to a pixel of the plot's drawing area, as the window system delivers it;
    // returns the pointer's position on the screen.
    QPoint moveTo(int column, int row) {
        PlotBox& plot = form2().plot();
        const QPointF local = QPointF(column, row) + plot.contentsRect().topLeft();
        QMouseEvent move(QEvent::MouseMove, local, plot.mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&plot, &move);
        return plot.mapToGlobal(local).toPoint();
    }
    // What the plot box shows inside its border.
    QImage plotImage() {
        PlotBox& plot = form2().plot();
        return plot.grab(plot.contentsRect()).toImage();
    }

private:
    template <typename Control> Control& standIn() {
        standIns_.push_back(std::make_unique<Control>());
        return static_cast<Control&>(*standIns_.back());
    }
    std::vector<std::unique_ptr<QObject>> standIns_;
};
