// The Bode charts: magnitude and phase against a logarithmic frequency.
#include "ui/bode_charts.h"

#include "figure/language.h"

#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

// A word of the charts, `italian` in the language in use.
QString Translate(const char* italian) {
    return Translated("BodeCharts", italian);
}

// One curve of a chart: its name in the legend and the table, the CSV column, its colour
// (Okabe and Ito's set, distinct for readers with any kind of colour vision) and its value at
// a point, none where it has none.
struct Curve {
    const char* title;
    const char* csvName;
    const char16_t* unit;
    QColor color;
    std::function<std::optional<double>(const BodePoint&)> value;
};

const QColor Blue(0, 114, 178);
const QColor Orange(230, 159, 0);
const QColor Green(0, 158, 115);
const QColor Vermillion(213, 94, 0);

const std::vector<Curve> MagnitudeCurves{
    {"Gvd [dB]", "Gvd_dB", u"dB", Blue, [](const BodePoint& p) { return p.gvdDb; }},
    {"Gvg [dB]", "Gvg_dB", u"dB", Orange, [](const BodePoint& p) { return p.gvgDb; }},
    {"Zout [dBΩ]", "Zout_dBohm", u"dBΩ", Green, [](const BodePoint& p) { return p.zoutDbOhm; }},
    {"T [dB]", "T_dB", u"dB", Vermillion, [](const BodePoint& p) { return p.loopDb; }}};

const std::vector<Curve> PhaseCurves{
    {"Gvd [°]", "Gvd_deg", u"°", Blue, [](const BodePoint& p) { return p.gvdDeg; }},
    {"Gvg [°]", "Gvg_deg", u"°", Orange, [](const BodePoint& p) { return p.gvgDeg; }},
    {"Zout [°]", "Zout_deg", u"°", Green, [](const BodePoint& p) { return p.zoutDeg; }},
    {"T [°]", "T_deg", u"°", Vermillion, [](const BodePoint& p) { return p.loopDeg; }}};

std::vector<double> FrequenciesOf(const std::vector<BodePoint>& points) {
    std::vector<double> f;
    for (const BodePoint& point : points) {
        f.push_back(point.fHz);
    }
    return f;
}

// The chart's lines, its FRA points and the table of both; `fraValue` reads a measured point
// in the chart's unit.
void ShowBode(ChartView& view, const BodeCurves& curves, const std::vector<Curve>& lines,
              const QString& title, const QString& valueTitle, const char* fraTitle,
              const char* fraCsv, const char16_t* fraUnit,
              const std::function<double(const FraPoint&)>& fraValue) {
    view.clear();
    QChart& chart = view.chart();
    chart.setTitle(title);
    QLogValueAxis* frequency = view.addLogAxis(
        Translate(QT_TRANSLATE_NOOP("BodeCharts", "Frequenza [Hz]")), Qt::AlignBottom);
    QValueAxis* value = view.addAxis(valueTitle, Qt::AlignLeft);
    std::vector<ChartColumn> columns{
        {QStringLiteral("f [Hz]"), QStringLiteral("f_Hz"), u"Hz", FrequenciesOf(curves.points)}};
    double lowest = INFINITY;
    double highest = -INFINITY;
    const auto widen = [&](double y) {
        lowest = std::min(lowest, y);
        highest = std::max(highest, y);
    };
    for (const Curve& curve : lines) {
        auto* series = new QLineSeries;
        ChartColumn column{
            QString::fromUtf8(curve.title), QString::fromUtf8(curve.csvName), curve.unit, {}};
        for (const BodePoint& point : curves.points) {
            if (const std::optional<double> y = curve.value(point)) {
                series->append(point.fHz, *y);
                column.values.push_back(*y);
                widen(*y);
            }
        }
        if (column.values.empty()) {
            delete series;
            continue;
        }
        series->setName(column.title);
        series->setPen(QPen(curve.color, 2));
        chart.addSeries(series);
        series->attachAxis(frequency);
        series->attachAxis(value);
        columns.push_back(std::move(column));
    }
    if (!curves.fra.empty()) {
        auto* measured = new QScatterSeries;
        measured->setName(QString::fromUtf8(fraTitle));
        measured->setColor(Qt::black);
        measured->setBorderColor(Qt::black);
        measured->setMarkerSize(8);
        ChartColumn at{QStringLiteral("f FRA [Hz]"), QStringLiteral("fra_f_Hz"), u"Hz", {}};
        ChartColumn read{QString::fromUtf8(fraTitle), QString::fromUtf8(fraCsv), fraUnit, {}};
        for (const FraPoint& point : curves.fra) {
            const double y = fraValue(point);
            measured->append(point.fHz, y);
            at.values.push_back(point.fHz);
            read.values.push_back(y);
            widen(y);
        }
        chart.addSeries(measured);
        measured->attachAxis(frequency);
        measured->attachAxis(value);
        columns.push_back(std::move(at));
        columns.push_back(std::move(read));
    }
    if (!curves.points.empty()) {
        frequency->setRange(curves.points.front().fHz, curves.points.back().fHz);
    }
    if (std::isfinite(lowest)) {
        value->setRange(lowest, highest > lowest ? highest : lowest + 1);
        value->applyNiceNumbers();
    }
    view.setNumbers(std::move(columns));
}

} // namespace

void ShowBodeMagnitude(ChartView& view, const BodeCurves& curves) {
    ShowBode(view, curves, MagnitudeCurves, Translate(QT_TRANSLATE_NOOP("BodeCharts", "Modulo")),
             Translate(QT_TRANSLATE_NOOP("BodeCharts", "Modulo [dB]")), "FRA Gvd [dB]",
             "fra_Gvd_dB", u"dB", [](const FraPoint& point) { return point.dB; });
    view.setFileStem(Translate(QT_TRANSLATE_NOOP("BodeCharts", "bode-modulo")));
}

void ShowBodePhase(ChartView& view, const BodeCurves& curves) {
    ShowBode(view, curves, PhaseCurves, Translate(QT_TRANSLATE_NOOP("BodeCharts", "Fase")),
             Translate(QT_TRANSLATE_NOOP("BodeCharts", "Fase [°]")), "FRA Gvd [°]", "fra_Gvd_deg",
             u"°", [](const FraPoint& point) { return point.deg; });
    view.setFileStem(Translate(QT_TRANSLATE_NOOP("BodeCharts", "bode-fase")));
}
