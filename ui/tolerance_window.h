#pragma once

#include "core/tolerance_summary.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

class ChartView;
class MessageBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class SaveFileChooser;

// What the report carries of a tolerance analysis: the inputs, the table of the quantities,
// the yield and the histogram of each quantity.
struct ToleranceReport {
    QStringList inputs;
    QStringList titles;
    std::vector<QStringList> rows;
    QStringList yield;
    std::vector<QImage> histograms;
};

// The tolerance window ("Tolleranze"): the tolerances of the input, the frequency, L, C, RL
// and of the real parts given, the limits the converter must meet, the worst case over every
// corner and a Monte Carlo analysis, each value the exact periodic steady state at the
// verified D. It runs on threads of its own, with progress and "Annulla"; the table shows each
// quantity's extremes over the corners (and which corner) and its statistics over the samples,
// the histogram one quantity with its limits drawn, and the yield line the share of samples
// within every limit. Esc closes it; it is discarded when closed.
class ToleranceWindow : public QWidget {
    Q_OBJECT

public:
    ToleranceWindow(SaveFileChooser& files, MessageBox& messages, char16_t decimalSeparator);
    ~ToleranceWindow() override;

    // The nominal converter analysed from now on; a running analysis stops.
    void setCircuit(const ConverterCircuit& circuit, const RealParts& parts);
    bool running() const { return worker_.joinable() && !finished_; }
    // Empty before an analysis has ended. The histograms are drawn in turn on the window's chart.
    ToleranceReport report();

signals:
    // An analysis ended, whole or stopped by "Annulla".
    void analysisEnded();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* createInputs();
    void translateTexts();
    QWidget* createResults(SaveFileChooser& files, MessageBox& messages);
    std::optional<ToleranceProblem> readProblem();
    void start();
    void stop();
    void finish(std::optional<std::vector<ToleranceRow>> rows);
    void showStatus();
    void showResults();
    void showHistogram();

    char16_t decimalSeparator_;
    std::optional<ConverterCircuit> circuit_;
    RealParts parts_;
    std::optional<ToleranceAnalysis> analysis_;
    std::vector<ToleranceRow> rows_;
    std::optional<ToleranceSummary> summary_;

    std::array<QLineEdit*, TolerancedValueCount> tolerances_{};
    std::array<QLineEdit*, ToleranceLimitCount> limits_{};
    std::array<QLabel*, ToleranceLimitCount> limitLabels_{};
    QCheckBox* worstCase_ = nullptr;
    QLineEdit* samples_ = nullptr;
    QComboBox* distribution_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    // The refusal or the end told in the status line, in the language in use; none when empty.
    std::function<QString()> statusWording_;
    QTableWidget* table_ = nullptr;
    QLabel* yield_ = nullptr;
    QComboBox* quantity_ = nullptr;
    ChartView* histogram_ = nullptr;

    // Each analysis started or stopped counts a run: what an earlier run still posts is dropped.
    int analysisRun_ = 0;
    std::thread worker_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
};
