#include "ui/converter_app.h"

#include "core/design_calculation.h"
#include "core/handler_support.h"
#include "core/verification.h"
#include "ui/progress_observer.h"

#include <QAction>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

void DialogMessageBox::MsgBox(const Text& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf16(ApplicationTitle),
                    QString::fromStdU16String(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

// Qt gives the separator as a string; every locale's separator is a single UTF-16 unit.
char16_t UserDecimalSeparator() {
    return QLocale::system().decimalPoint().front().unicode();
}

ConverterApp::ConverterApp(Module1& m, MessageBox& messages, SaveFileChooser& files,
                           char16_t decimalSeparator)
    : messages_(messages), decimalSeparator_(decimalSeparator), m_(m), form1_(messages),
      form2_(m_, decimalSeparator), drawing_(form2_), tools_(files, messages, decimalSeparator) {
    form2_.onWindowCreated([this](WaveformWindow& window) { connectWaveformActions(window); });
    QObject::connect(&form1_.command1(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::calculateDesign); });
    QObject::connect(&form1_.command2(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::runVerification); });
    QObject::connect(&form1_.command3(), &QPushButton::clicked, &form1_,
                     [this] { handleClick(&ConverterApp::fillSampleData); });
}

void ConverterApp::handleClick(Handler handler) {
    if (handling_) {
        deferred_.push_back(handler);
        return;
    }
    handling_ = true;
    RunGuarded(messages_, [this, handler] { (this->*handler)(); });
    handling_ = false;
    // Posted rather than run here, so that the windows first show how the last handler ended.
    for (Handler next : std::exchange(deferred_, {})) {
        QMetaObject::invokeMethod(
            &form1_, [this, next] { handleClick(next); }, Qt::QueuedConnection);
    }
}

void ConverterApp::calculateDesign() {
    CalculateDesign(m_, form1_, decimalSeparator_);
}

void ConverterApp::runVerification() {
    ProgressObserver observer;
    if (RunVerification(m_, {form1_, form2_, drawing_, decimalSeparator_, &observer})) {
        form2_.keepPlottedRun();
    }
}

void ConverterApp::fillSampleData() {
    FillSampleData(form1_);
}

void ConverterApp::connectWaveformActions(WaveformWindow& window) {
    const auto connect = [&](WaveformAction which, Handler handler) {
        QObject::connect(&window.action(which), &QAction::triggered, &window,
                         [this, handler] { handleClick(handler); });
    };
    connect(WaveformAction::SaveImage, &ConverterApp::saveImage);
    connect(WaveformAction::ExportCsv, &ConverterApp::exportCsv);
    connect(WaveformAction::CopyImage, &ConverterApp::copyImage);
    connect(WaveformAction::CopyValues, &ConverterApp::copyValues);
}

void ConverterApp::saveImage() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow& window) {
        tools_.saveImage(&window, run, form2_.shownPlot());
    });
}

void ConverterApp::exportCsv() {
    form2_.withPlottedRun(
        [this](Module1& run, WaveformWindow& window) { tools_.exportCsv(&window, run); });
}

void ConverterApp::copyImage() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow& window) {
        tools_.copyImage(&window, run, form2_.shownPlot());
    });
}

void ConverterApp::copyValues() {
    form2_.withPlottedRun([this](Module1& run, WaveformWindow&) { tools_.copyValues(run); });
}
