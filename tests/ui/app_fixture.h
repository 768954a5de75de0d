#pragma once

#include "core/message_box.h"
#include "ui/converter_app.h"
#include "ui/plot_box.h"
#include "ui/waveform_window.h"
#include "utf8.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// Stands in for the message box: keeps every text instead of waiting for a click.
class MessageRecorder : public MessageBox {
public:
    std::vector<std::string> texts;
    void MsgBox(const Text& text) override { texts.push_back(Utf8(text)); }
};

// The whole tool with intercepted messages and a comma as the user's decimal separator, so
// that the locale's separator is told apart from the point of the verification fields.
class AppTest : public testing::Test {
protected:
    MessageRecorder messages;
    ConverterApp app{messages, u','};

    template <typename Widget = QWidget> Widget& control(QWidget& window, const char* name) {
        auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    // The text of a field, label or button of the main window.
    QString form1Text(const char* name) {
        return control(app.form1(), name).property("text").toString();
    }
    void type(const char* name, const char* text) {
        control<QLineEdit>(app.form1(), name).setText(QString::fromUtf8(text));
    }
    void click(const char* name) { control<QPushButton>(app.form1(), name).click(); }
    // Sample data, design and verification of the worked example.
    void runExample() {
        click("Command3");
        click("Command1");
        click("Command2");
    }
    WaveformWindow& form2() { return *app.form2().window(); }
    // What the plot box shows inside its border.
    QImage plotImage() {
        PlotBox& plot = form2().plot();
        return plot.grab(plot.contentsRect()).toImage();
    }
};
