// The histogram of a quantity over the tolerance analysis's samples, with its limits.
#include "ui/tolerance_histogram.h"

#include "figure/language.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int Classes = 30;

const QuantityLook Looks[] = {{QT_TRANSLATE_NOOP("ToleranceHistogram", "Vo medio"), u"V", 1},
                              {QT_TRANSLATE_NOOP("ToleranceHistogram", "ΔiL"), u"A", 1},
                              {QT_TRANSLATE_NOOP("ToleranceHistogram", "ΔVo"), u"mV", 1000},
                              {QT_TRANSLATE_NOOP("ToleranceHistogram", "IDP"), u"A", 1},
                              {QT_TRANSLATE_NOOP("ToleranceHistogram", "Rendimento"), u"%", 100}};

// A word of the histogram, `italian` in the language in use.
QString Translate(const char* italian) {
    return Translated("ToleranceHistogram", italian);
}

// The values of the quantity, in the unit shown: the samples, or the corners without samples.
std::vector<double> ShownValues(std::span<const ToleranceRow> rows, ToleranceQuantity quantity) {
    const bool samples = std::any_of(rows.begin(), rows.end(), [](const ToleranceRow& row) {
        return row.kind == ToleranceRowKind::Sample;
    });
    const ToleranceRowKind kind = samples ? ToleranceRowKind::Sample : ToleranceRowKind::Corner;
    std::vector<double> values;
    for (const ToleranceRow& row : rows) {
        if (row.kind == kind) {
            if (const std::optional<double> value = QuantityOf(row.outcome, quantity)) {
                values.push_back(*value * LookOf(quantity).scale);
            }
        }
    }
    return values;
}

// The limits on the quantity, in the unit shown: the |Vo| band gives two.
std::vector<double> LimitLines(const ToleranceAnalysis& analysis, ToleranceQuantity quantity) {
    const ToleranceLimits& limits = analysis.problem().limits;
    const auto one = [](const std::optional<double>& limit, double scale) {
        return limit ? std::vector<double>{*limit * scale} : std::vector<double>{};
    };
    switch (quantity) {
    case ToleranceQuantity::VoMean: {
        if (!limits.voBandPercent) {
            return {};
        }
        const double nominal = analysis.nominalOutput();
        const double band = nominal * *limits.voBandPercent / 100;
        return {-(nominal + band), -(nominal - band)};
    }
    case ToleranceQuantity::DeltaiL:
        return one(limits.rippleIL, 1);
    case ToleranceQuantity::DeltaVo:
        return one(limits.rippleVoMilli, 1);
    case ToleranceQuantity::PeakCurrent:
        return one(limits.peakCurrent, 1);
    case ToleranceQuantity::Efficiency:
        return analysis.withParts() ? one(limits.efficiencyPercent, 1) : std::vector<double>{};
    }
    return {};
}

} // namespace

const QuantityLook& LookOf(ToleranceQuantity quantity) {
    return Looks[static_cast<std::size_t>(quantity)];
}

QString ShownQuantityName(ToleranceQuantity quantity) {
    return Translate(LookOf(quantity).name);
}

void ShowToleranceHistogram(ChartView& view, const ToleranceAnalysis& analysis,
                            std::span<const ToleranceRow> rows, ToleranceQuantity quantity) {
    view.clear();
    const QuantityLook& look = LookOf(quantity);
    const QString name = ShownQuantityName(quantity);
    const QString title = QStringLiteral("%1 [%2]").arg(name, QString::fromUtf16(look.unit));
    QChart& chart = view.chart();
    chart.setTitle(
        Translate(QT_TRANSLATE_NOOP("ToleranceHistogram", "Distribuzione di %1")).arg(name));
    const std::vector<double> values = ShownValues(rows, quantity);
    if (values.empty()) {
        view.setNumbers({});
        return;
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double width =
        *high > *low ? (*high - *low) / Classes : std::max(std::abs(*low), 1.0) * 1e-6;
    std::vector<double> counts(Classes, 0);
    for (double value : values) {
        const auto k = static_cast<std::size_t>(
            std::clamp(std::floor((value - *low) / width), 0.0, double(Classes - 1)));
        ++counts[k];
    }
    QValueAxis* x = view.addAxis(title, Qt::AlignBottom);
    const QString samples = Translate(QT_TRANSLATE_NOOP("ToleranceHistogram", "Campioni"));
    QValueAxis* y = view.addAxis(samples, Qt::AlignLeft);
    // The area owns the outline of its bars.
    auto* bars = new QAreaSeries;
    auto* outline = new QLineSeries(bars);
    ChartColumn centres{Translate(QT_TRANSLATE_NOOP("ToleranceHistogram", "Centro classe [%1]"))
                            .arg(QString::fromUtf16(look.unit)),
                        QStringLiteral("class_centre"),
                        look.unit,
                        {}};
    for (int k = 0; k < Classes; ++k) {
        const double from = *low + k * width;
        outline->append(from, counts[static_cast<std::size_t>(k)]);
        outline->append(from + width, counts[static_cast<std::size_t>(k)]);
        centres.values.push_back(from + width / 2);
    }
    bars->setUpperSeries(outline);
    bars->setName(samples);
    bars->setColor(QColor(86, 180, 233));
    bars->setBorderColor(QColor(0, 114, 178));
    chart.addSeries(bars);
    bars->attachAxis(x);
    bars->attachAxis(y);
    const double most = *std::max_element(counts.begin(), counts.end());
    double left = *low;
    double right = *low + Classes * width;
    for (double limit : LimitLines(analysis, quantity)) {
        auto* line = new QLineSeries;
        line->setName(Translate(QT_TRANSLATE_NOOP("ToleranceHistogram", "Limite")));
        line->setPen(QPen(QColor(213, 94, 0), 2, Qt::DashLine));
        line->append(limit, 0);
        line->append(limit, most);
        chart.addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        left = std::min(left, limit);
        right = std::max(right, limit);
    }
    x->setRange(left, right);
    x->applyNiceNumbers();
    y->setRange(0, most);
    y->applyNiceNumbers();
    view.setFileStem(Translate(QT_TRANSLATE_NOOP("ToleranceHistogram", "tolleranze")));
    view.setNumbers(
        {std::move(centres), {samples, QStringLiteral("count"), u"", std::move(counts)}});
}
