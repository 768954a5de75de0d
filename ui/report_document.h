#pragma once

#include "ui/analysis_window.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// What the verification report holds besides the run's figure and measured values: when it was
// made, the design data and results and the verification data (name and value each, as shown)
// and the analysis table.
struct ReportContent {
    QDateTime made;
    std::vector<std::pair<QString, QString>> design;
    std::vector<std::pair<QString, QString>> verification;
    AnalysisTable analysis;
};

// Writes the report to `path` as a PDF page set (A4) or a self-contained HTML file, as the
// name ends in .pdf or .html/.htm in any case: the content with the measured values
// (`measured`, one per line; none when empty) and the figure (when null, a line saying that
// the run drew no traces). The file is written whole (see WholeFile). Returns the message to
// show when it could not be written, naming the file and the reason.
std::optional<QString> SaveReportFile(const QString& path, const ReportContent& content,
                                      const QString& measured, const QImage& figure);
