#pragma once

#include "core/averaged_model.h"
#include "core/compensator.h"
#include "ui/bode_charts.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>

class ChartView;
class MessageBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class SaveFileChooser;

// What the report carries of the frequency response: the model's lines (mode, operating
// point, poles and zeros, warnings), the compensator's and the two charts.
struct FrequencyResponseReport {
    QStringList model;
    QStringList compensator;
    QImage magnitude;
    QImage phase;
};

// The frequency-response window ("Risposta in frequenza"): the Bode charts of the averaged
// model of the verified circuit with its real parts (Gvd, Gvg, Zout), its mode, operating
// point, poles and zeros; a voltage-mode compensator (Type II or III) synthesised for a
// crossover and a phase margin, with its loop gain T drawn beside the plant; and the "FRA"
// command, which measures the switching circuit itself at a few frequencies on a thread of its
// own, with progress and "Annulla", and draws the points over the curves. The pointer over a
// chart reads every curve at its frequency. It is a top-level window with the tool's light
// face; Esc closes it and it is discarded when closed.
class FrequencyResponseWindow : public QWidget {
    Q_OBJECT

public:
    FrequencyResponseWindow(SaveFileChooser& files, MessageBox& messages,
                            char16_t decimalSeparator);
    ~FrequencyResponseWindow() override;

    // The model of `circuit` with `parts`, drawn anew; a running FRA stops, the compensator
    // asked for is synthesised again for it.
    void showCircuit(const ConverterCircuit& circuit, const RealParts& parts);
    FrequencyResponseReport report() const;
    // The line the pointer reads, empty before the pointer was over a chart.
    QString readout() const;
    bool fraRunning() const { return fraThread_.joinable() && !fraFinished_; }

signals:
    // The FRA ended, measured every frequency or stopped by "Annulla".
    void fraEnded();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* createInputs();
    void translateTexts();
    void compensate();
    void showCompensator();
    void redraw();
    void showModel();
    void startFra();
    void stopFra();
    void addFraPoint(const FraPoint& point, int done, int count);
    void finishFra();
    void readAt(double fHz);

    char16_t decimalSeparator_;
    std::optional<ConverterCircuit> circuit_;
    RealParts parts_;
    AveragedModel model_;
    std::optional<LoopDesign> loop_;
    // The compensator's lines or the reason it was not made, in the language in use; none
    // without a compensator.
    std::function<QString()> compensatorWording_;
    BodeCurves curves_;

    QLabel* modelLabel_ = nullptr;
    QLabel* warningsLabel_ = nullptr;
    QLabel* readout_ = nullptr;
    QComboBox* type_ = nullptr;
    QLineEdit* crossover_ = nullptr;
    QLineEdit* margin_ = nullptr;
    QLineEdit* ramp_ = nullptr;
    QLineEdit* resistor_ = nullptr;
    QLabel* compensator_ = nullptr;
    QSpinBox* fraCount_ = nullptr;
    QPushButton* fra_ = nullptr;
    QPushButton* cancelFra_ = nullptr;
    QProgressBar* progress_ = nullptr;
    ChartView* magnitude_ = nullptr;
    ChartView* phase_ = nullptr;

    // Each FRA started or stopped counts a run: what an earlier run still posts is dropped.
    int fraRun_ = 0;
    std::thread fraThread_;
    std::atomic<bool> fraCancelled_{false};
    std::atomic<bool> fraFinished_{false};
};
