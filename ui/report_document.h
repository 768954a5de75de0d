#pragma once

#include "figure/waveform_figure.h"
#include "ui/analysis_window.h"
#include "ui/frequency_response_window.h"
#include "ui/real_parts_table.h"
#include "ui/tolerance_window.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// What the verification report holds besides the run's figure and measured values, each entry
// a name and a text: when it was made; the design fields as typed with the design results as
// shown; the verification fields as typed for the run; the run's N, NP, NI and time step; and
// the analysis table; with real parts, the parts, their losses and books, and the chart of the
// efficiency against the load; when their windows are open, the frequency response (the model,
// the compensator, the Bode charts) and the tolerance analysis (table, yield, histograms).
struct ReportContent {
    QDateTime made;
    std::vector<std::pair<QString, QString>> design;
    std::vector<std::pair<QString, QString>> verification;
    std::vector<std::pair<QString, QString>> simulation;
    AnalysisTable analysis;
    std::vector<std::pair<QString, QString>> parts; // empty without real parts
    std::optional<RealPartsTable> realParts;
    QImage efficiencyChart;
    std::optional<FrequencyResponseReport> frequencyResponse;
    std::optional<ToleranceReport> tolerances;
};

// The run's figure drawn for the report at the size asked; empty when the run drew no traces.
using ReportFigure = std::function<QImage(FigureSize)>;

// Writes the report to `path` as a PDF (A4) or a self-contained HTML file, as the name ends in
// .pdf or .html/.htm in any case: the content, the measured values (`measured`, one per line;
// none when empty), the figure (without one, a line saying that the run drew no traces), and a
// legend of the analysis columns. The report's own words are in the language in use. The file
// is written whole (see WholeFile). Returns the message to show when it could not be written,
// naming the file and the reason.
std::optional<QString> SaveReportFile(const QString& path, const ReportContent& content,
                                      const QString& measured, const ReportFigure& figure);
