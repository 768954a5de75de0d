#pragma once

#include "core/analysis.h"
#include "core/verification.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class ChartView;
class MessageBox;
class QKeySequence;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class RealPartsPanel;
class SaveFileChooser;

// What the analysis window shows of one run: its circuit, its analysis and how the run ended.
// A run that simulated no period to compare (refused by the conduction check, cancelled or
// ended by an error) leaves the simulated column empty, worded in the language of the moment;
// the analysis then holds only what the circuit alone gives.
struct RunAnalysis {
    ConverterCircuit circuit;
    ConverterAnalysis analysis;
    VerificationEnd end = VerificationEnd::Drawn; // Drawn: the run's samples were analysed
};

// The analysis as the window shows it: the column titles, the cells of each row (the quantity,
// then values in engineering units with five significant digits, "-24.992 V", "60.0 mV", and
// the deviation in per cent, "0.21 %"), the line of the conduction mode and the warnings,
// numbers written with the given decimal separator.
struct AnalysisTable {
    QStringList titles;
    std::vector<QStringList> rows;
    QString mode;
    QStringList warnings;
};
AnalysisTable TabulateAnalysis(const RunAnalysis& run, char16_t decimalSeparator);

// The "Analisi" window: a read-only table of every quantity simulated, exact at the last
// simulated period (with and without the diode's blocking), exact in steady state and from the
// design formulas, with the deviation of the simulation from the exact value; under it the
// conduction mode and the warnings. Values are written in engineering units with five
// significant digits, deviations in per cent; each column's header tells in its tool tip what
// the column holds, and a screen reader hears each cell with its row and column. "Copia" and
// Ctrl+C put all of it on the clipboard as tab-separated text. It is a top-level window of its
// own, with the tool's icon, so that its Ctrl+C is never the waveform window's, and keeps the
// tool's light face on any desktop. It opens showing the whole table, which grows with it; Tab
// leaves the table, Esc closes the window, and it is discarded when closed. "Salva
// rapporto..." asks for the report of the run, which the application writes. A second page,
// "Componenti reali", takes the real parts of the converter (remembered from one start to the
// next) and shows their losses, the efficiency, the power books and the duty cycle they need,
// with the efficiency and the losses against the load in a chart.
class AnalysisWindow : public QWidget {
    Q_OBJECT

public:
    // `files` and `messages` serve the charts' exports.
    AnalysisWindow(SaveFileChooser& files, MessageBox& messages, char16_t decimalSeparator);

    void showAnalysis(const RunAnalysis& run, char16_t decimalSeparator);
    // The table, the mode line and the warnings, one line each, cells separated by tabs.
    QString text() const;
    void copyText() const;

signals:
    void saveReportRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The run shown, kept so that its table can be written again in another language.
    struct ShownRun {
        RunAnalysis run;
        char16_t decimalSeparator;
    };

    void translateTexts();
    void fillTable(const ShownRun& shown);
    void createTable();
    QWidget* createAnalysisPage();
    QWidget* createRealPartsPage(SaveFileChooser& files, MessageBox& messages,
                                 char16_t decimalSeparator);
    void showEfficiency();
    void addShortcut(const QKeySequence& keys, const std::function<void()>& command);

    QTabWidget* pages_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* mode_ = nullptr;
    QLabel* notes_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* report_ = nullptr;
    RealPartsPanel* parts_ = nullptr;
    ChartView* efficiency_ = nullptr;
    std::optional<ShownRun> run_;
};
