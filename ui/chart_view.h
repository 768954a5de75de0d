#pragma once

#include "core/handler_support.h"
#include "ui/save_dialog.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QAbstractAxis;
class QChart;
class QLayout;
class QChartView;
class QLogValueAxis;
class QPushButton;
class QTableWidget;
class QValueAxis;

// One column of the numbers a chart draws.
struct ChartColumn {
    QString title;       // the table's heading, with the unit: "Io [A]"
    QString csvName;     // the CSV file's heading: "Io_A"
    std::u16string unit; // the unit of the table's cells; %, dB, dBΩ and ° take no SI prefix
    std::vector<double> values;
};

// A chart (Qt Charts) with, beside it, the table of the numbers it draws, for screen readers
// and for copying; "Salva immagine..." writes it as PNG (at least twice the screen's
// resolution) or SVG, "Esporta CSV..." its numbers (each reads back to the same double),
// "Copia valori" the table as tab-separated text. Files are written whole or not at all; a
// file that cannot be written is one message naming it and the reason.
//
// The charts of the tool are made here: the caller adds its series to chart(), on axes made by
// addAxis, and gives the same numbers to setNumbers. The chart keeps a light face on any
// desktop.
class ChartView : public QWidget {
    Q_OBJECT

public:
    ChartView(SaveFileChooser& files, MessageBox& messages, char16_t decimalSeparator,
              QWidget* parent = nullptr);

    QChart& chart() { return *chart_; }
    // A value axis in the tool's typeface and colours, attached to the chart at `alignment`.
    QValueAxis* addAxis(const QString& title, Qt::Alignment alignment);
    // The same with a logarithmic scale, decades marked.
    QLogValueAxis* addLogAxis(const QString& title, Qt::Alignment alignment);
    // Takes out every series and axis, so that the chart can be drawn again.
    void clear();

    // The numbers drawn, columns of equal length: the table shows them, the CSV writes them.
    void setNumbers(std::vector<ChartColumn> columns);
    const std::vector<ChartColumn>& numbers() const { return columns_; }
    // The name proposed by the save dialogs, without extension.
    void setFileStem(const QString& stem) { fileStem_ = stem; }

    // The chart as drawn, at `ratio` device pixels per pixel but at least 2. A chart not yet
    // shown is drawn at a size of its own.
    QImage image(qreal ratio) const;
    // Write the chart (".png" or ".svg", by the name's end) or its numbers as CSV; the message
    // to show when the file could not be written, nothing when it was.
    std::optional<QString> saveImage(const QString& path, qreal ratio) const;
    std::optional<QString> exportCsv(const QString& path) const;
    // The table: a line of headings, then a line a row, cells separated by tabs.
    QString tableText() const;

signals:
    // The pointer moved over the chart's plot, at `value` in the first series' axes.
    void pointed(QPointF value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void translateTexts();
    void styleAxis(QAbstractAxis& axis, Qt::Alignment alignment);
    QLayout* createButtons();
    QSizeF drawnSize() const;
    void askImage();
    void askCsv();
    std::optional<QString> askPath(const QString& title, const std::vector<FileType>& types);

    SaveFileChooser& files_;
    MessageBox& messages_;
    char16_t decimalSeparator_;
    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* image_ = nullptr;
    QPushButton* csv_ = nullptr;
    QPushButton* copy_ = nullptr;
    std::vector<ChartColumn> columns_;
    QString fileStem_ = QStringLiteral("grafico");
    QString lastFolder_;
};
