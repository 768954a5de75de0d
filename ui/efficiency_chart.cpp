// The efficiency chart: efficiency and stacked losses against the load current.
#include "ui/efficiency_chart.h"

#include "figure/language.h"
#include "ui/real_parts_table.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

constexpr double FromPercent = 10;
constexpr double ToPercent = 150;
constexpr std::int32_t Points = 50;

// The columns EfficiencyChartNumbers puts first; the parts' losses follow.
enum Column : std::size_t { Load, Current, Efficiency, Total, FirstPart };

// Distinct for readers with any kind of colour vision (Okabe and Ito's set), one a loss.
const QColor partColors[] = {QColor(230, 159, 0),  QColor(86, 180, 233), QColor(0, 158, 115),
                             QColor(240, 228, 66), QColor(0, 114, 178),  QColor(213, 94, 0),
                             QColor(204, 121, 167)};

QLineSeries* LineOf(const std::vector<double>& x, const std::vector<double>& y, QObject* parent) {
    auto* line = new QLineSeries(parent);
    for (std::size_t k = 0; k < x.size(); ++k) {
        line->append(x[k], y[k]);
    }
    return line;
}

// The band of one loss, from the sum of the losses beneath it (`below`) to that sum with it.
QAreaSeries* Band(const std::vector<double>& x, const std::vector<double>& below,
                  const std::vector<double>& loss) {
    std::vector<double> above(below.size());
    std::transform(below.begin(), below.end(), loss.begin(), above.begin(),
                   [](double low, double part) { return low + part; });
    auto* band = new QAreaSeries;
    band->setUpperSeries(LineOf(x, above, band));
    band->setLowerSeries(LineOf(x, below, band));
    return band;
}

// `italian`, one of the chart's texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("EfficiencyChart", italian);
}

void Attach(QChart& chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

std::vector<ChartColumn> EfficiencyChartNumbers(const ConverterCircuit& circuit,
                                                const RealParts& parts) {
    std::vector<ChartColumn> columns{
        {Translate(QT_TRANSLATE_NOOP("EfficiencyChart", "Carico [%]")),
         QStringLiteral("load_pct"),
         u"%",
         {}},
        {QStringLiteral("Io [A]"), QStringLiteral("Io_A"), u"A", {}},
        {Translate(QT_TRANSLATE_NOOP("EfficiencyChart", "Rendimento [%]")),
         QStringLiteral("efficiency_pct"),
         u"%",
         {}},
        {Translate(QT_TRANSLATE_NOOP("EfficiencyChart", "Perdite [W]")),
         QStringLiteral("Ploss_W"),
         u"W",
         {}}};
    const std::vector<LossEntry>& losses = LossEntries();
    std::vector<std::vector<double>> partLosses(losses.size());
    for (const EfficiencyPoint& point :
         EfficiencyCurve(circuit, parts, FromPercent, ToPercent, Points)) {
        columns[Load].values.push_back(point.loadPercent);
        columns[Current].values.push_back(point.Io);
        columns[Efficiency].values.push_back(point.efficiency * 100);
        columns[Total].values.push_back(point.loss);
        ConverterCircuit at = circuit;
        at.RL = point.RL;
        const PartLosses lost = SolveLossySteadyState(at, parts).losses;
        for (std::size_t i = 0; i < losses.size(); ++i) {
            partLosses[i].push_back(lost.*losses[i].loss);
        }
    }
    for (std::size_t i = 0; i < losses.size(); ++i) {
        const bool any = std::any_of(partLosses[i].begin(), partLosses[i].end(),
                                     [](double loss) { return loss != 0; });
        if (any) {
            columns.push_back({LossName(losses[i]) + QStringLiteral(" [W]"),
                               QString::fromUtf8(losses[i].key) + QStringLiteral("_W"), u"W",
                               std::move(partLosses[i])});
        }
    }
    return columns;
}

void ShowEfficiencyChart(ChartView& view, const ConverterCircuit& circuit, const RealParts& parts) {
    std::vector<ChartColumn> columns = EfficiencyChartNumbers(circuit, parts);
    view.clear();
    QChart& chart = view.chart();
    chart.setTitle(Translate(
        QT_TRANSLATE_NOOP("EfficiencyChart", "Rendimento e perdite al variare del carico")));
    QValueAxis* current =
        view.addAxis(Translate(QT_TRANSLATE_NOOP("EfficiencyChart", "Corrente di carico Io [A]")),
                     Qt::AlignBottom);
    QValueAxis* efficiency = view.addAxis(columns[Efficiency].title, Qt::AlignLeft);
    QValueAxis* loss = view.addAxis(columns[Total].title, Qt::AlignRight);
    loss->setGridLineVisible(false); // the efficiency's grid alone, not two that cross
    const std::vector<double>& x = columns[Current].values;
    std::vector<double> below(x.size(), 0.0);
    for (std::size_t c = FirstPart; c < columns.size(); ++c) {
        QAreaSeries* band = Band(x, below, columns[c].values);
        band->setName(columns[c].title);
        const QColor color = partColors[(c - FirstPart) % std::size(partColors)];
        band->setColor(color);
        band->setBorderColor(color.darker(140));
        Attach(chart, band, current, loss);
        std::transform(below.begin(), below.end(), columns[c].values.begin(), below.begin(),
                       [](double low, double part) { return low + part; });
    }
    QLineSeries* line = LineOf(x, columns[Efficiency].values, nullptr);
    line->setName(Translate(QT_TRANSLATE_NOOP("EfficiencyChart", "Rendimento")));
    line->setPen(QPen(Qt::black, 2));
    Attach(chart, line, current, efficiency);
    const auto [lowest, highest] = std::minmax_element(x.begin(), x.end());
    current->setRange(*lowest, *highest);
    current->applyNiceNumbers();
    const std::vector<double>& percent = columns[Efficiency].values;
    const double least = *std::min_element(percent.begin(), percent.end());
    efficiency->setRange(std::isfinite(least) ? std::floor(least / 10) * 10 : 0, 100);
    const double most = *std::max_element(below.begin(), below.end());
    loss->setRange(0, most > 0 ? most : 1);
    loss->applyNiceNumbers();
    view.setFileStem(Translate(QT_TRANSLATE_NOOP("EfficiencyChart", "rendimento")));
    view.setNumbers(std::move(columns));
}
