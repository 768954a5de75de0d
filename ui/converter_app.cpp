#include "ui/converter_app.h"

#include "core/design_calculation.h"
#include "core/handler_guard.h"
#include "core/sample_data.h"
#include "core/verification.h"
#include "ui/progress_observer.h"

#include <QPushButton>

ConverterApp::ConverterApp(MessageBox& messages, char16_t decimalSeparator)
    : messages_(messages), decimalSeparator_(decimalSeparator), form1_(messages),
      form2_(m_, decimalSeparator), drawing_(form2_) {
    QObject::connect(&form1_.command1(), &QPushButton::clicked, &form1_,
                     [this] { calculateDesign(); });
    QObject::connect(&form1_.command2(), &QPushButton::clicked, &form1_,
                     [this] { runVerification(); });
    QObject::connect(&form1_.command3(), &QPushButton::clicked, &form1_,
                     [this] { fillSampleData(); });
}

void ConverterApp::handleClick(const std::function<void()>& handler) {
    if (handling_) {
        return;
    }
    handling_ = true;
    RunGuarded(messages_, handler);
    handling_ = false;
}

void ConverterApp::calculateDesign() {
    handleClick([this] { CalculateDesign(m_, form1_, decimalSeparator_); });
}

void ConverterApp::runVerification() {
    ProgressObserver observer;
    const VerificationContext context{form1_, form2_, drawing_, decimalSeparator_, &observer};
    handleClick([&] { RunVerification(m_, context); });
}

void ConverterApp::fillSampleData() {
    handleClick([this] { FillSampleData(form1_); });
}
