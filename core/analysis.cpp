#include "core/analysis.h"

#include "core/handler_support.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <string>

namespace {

// Stresses and measured values of the simulated period are judged against these, in per cent.
constexpr double CoarseStepPercent = 1;
constexpr double ModelDifferencePercent = 1;
constexpr double SettledPercent = 0.1;

// The running sums and extremes of one pass over samples 1..N.
struct SampleSums {
    double inductor = 0;
    double inductorSquares = 0;
    double inductorMax = 0;
    double inductorMin = std::numeric_limits<double>::infinity();
    double switchCurrent = 0;
    double switchSquares = 0;
    double switchPeak = 0;
    double diode = 0;
    double diodeSquares = 0;
    double diodePeak = 0;
    double capacitorSquares = 0;
    double capacitorPeak = 0;
    double output = 0;
    double outputMax = 0;
    double outputMin = std::numeric_limits<double>::infinity();
};

void RequireSamples(const Module1& m) {
    const auto needed = static_cast<std::size_t>(m.N) + 2;
    if (m.N < 1 || m.iL_t.size() < needed || m.Vo_t.size() < needed || m.iC_t.size() < needed ||
        m.id_t.size() < needed) {
        throw RuntimeError(RuntimeErrorKind::IndexOutOfRange);
    }
}

SampleSums SumSamples(const Module1& m) {
    SampleSums s;
    const double* iL = m.iL_t.data();
    const double* vo = m.Vo_t.data();
    const double* iC = m.iC_t.data();
    const double* id = m.id_t.data();
    for (std::int32_t k = 1; k <= m.N; ++k) {
        const double inductor = iL[k];
        const double diode = id[k];
        const double switchCurrent = inductor - diode;
        const double capacitor = iC[k];
        const double output = vo[k];
        s.inductor += inductor;
        s.inductorSquares += inductor * inductor;
        s.inductorMax = std::max(s.inductorMax, std::abs(inductor));
        s.inductorMin = std::min(s.inductorMin, std::abs(inductor));
        s.switchCurrent += switchCurrent;
        s.switchSquares += switchCurrent * switchCurrent;
        s.switchPeak = std::max(s.switchPeak, std::abs(switchCurrent));
        s.diode += diode;
        s.diodeSquares += diode * diode;
        s.diodePeak = std::max(s.diodePeak, std::abs(diode));
        s.capacitorSquares += capacitor * capacitor;
        s.capacitorPeak = std::max(s.capacitorPeak, std::abs(capacitor));
        s.output += output;
        s.outputMax = std::max(s.outputMax, std::abs(output));
        s.outputMin = std::min(s.outputMin, std::abs(output));
    }
    return s;
}

PartStresses StressesOf(const SampleSums& s, double samples, double Vi) {
    PartStresses stresses;
    stresses.inductorPeak = s.inductorMax;
    stresses.inductorMean = s.inductor / samples;
    stresses.inductorRms = std::sqrt(s.inductorSquares / samples);
    stresses.switchPeak = s.switchPeak;
    stresses.switchMean = s.switchCurrent / samples;
    stresses.switchRms = std::sqrt(s.switchSquares / samples);
    stresses.diodePeak = s.diodePeak;
    stresses.diodeMean = s.diode / samples;
    stresses.diodeRms = std::sqrt(s.diodeSquares / samples);
    stresses.capacitorRms = std::sqrt(s.capacitorSquares / samples);
    stresses.capacitorPeak = s.capacitorPeak;
    stresses.voltageStress = Vi + s.outputMax;
    return stresses;
}

PeriodValues ValuesOf(const SampleSums& s, double samples) {
    PeriodValues values;
    values.iLMin = s.inductorMin;
    values.iLMax = s.inductorMax;
    values.DeltaiL = s.inductorMax - s.inductorMin;
    values.VoMin = s.outputMin;
    values.VoMax = s.outputMax;
    values.DeltaVo = s.outputMax - s.outputMin;
    values.DeltaVoMilli = values.DeltaVo * 1000;
    values.meanVo = s.output / samples;
    values.meanDiodeCurrent = s.diode / samples;
    values.meanInputCurrent = s.switchCurrent / samples;
    return values;
}

// A quantity compared between two periods.
struct ComparedQuantity {
    double PeriodValues::*value;
    double QuantityDeviations::*deviation;
    PeriodQuantity quantity;
};

constexpr ComparedQuantity ComparedQuantities[] = {
    {&PeriodValues::iLMin, &QuantityDeviations::iLMin, PeriodQuantity::iLMin},
    {&PeriodValues::iLMax, &QuantityDeviations::iLMax, PeriodQuantity::iLMax},
    {&PeriodValues::DeltaiL, &QuantityDeviations::DeltaiL, PeriodQuantity::DeltaiL},
    {&PeriodValues::VoMin, &QuantityDeviations::VoMin, PeriodQuantity::VoMin},
    {&PeriodValues::VoMax, &QuantityDeviations::VoMax, PeriodQuantity::VoMax},
    {&PeriodValues::DeltaVo, &QuantityDeviations::DeltaVo, PeriodQuantity::DeltaVo},
    {&PeriodValues::meanVo, &QuantityDeviations::meanVo, PeriodQuantity::meanVo},
    {&PeriodValues::meanDiodeCurrent, &QuantityDeviations::meanDiodeCurrent,
     PeriodQuantity::meanDiodeCurrent},
    {&PeriodValues::meanInputCurrent, &QuantityDeviations::meanInputCurrent,
     PeriodQuantity::meanInputCurrent},
};

// (value - reference) / reference in per cent, each quantity on its own; a reference of 0 (the
// smallest current in discontinuous conduction) is replaced by the reference's peak current.
QuantityDeviations DeviationsOf(const PeriodValues& value, const PeriodValues& reference) {
    QuantityDeviations deviations;
    for (const ComparedQuantity& quantity : ComparedQuantities) {
        const double exact = reference.*quantity.value;
        const double scale = exact != 0 ? exact : reference.iLMax;
        deviations.*quantity.deviation = (value.*quantity.value - exact) / scale * 100;
    }
    return deviations;
}

// The largest deviation when it is beyond `limit` per cent.
std::optional<LargestDeviation> DeviationBeyond(const QuantityDeviations& deviations,
                                                double limit) {
    const ComparedQuantity* largest = &ComparedQuantities[0];
    for (const ComparedQuantity& quantity : ComparedQuantities) {
        if (std::abs(deviations.*quantity.deviation) > std::abs(deviations.*largest->deviation)) {
            largest = &quantity;
        }
    }
    const double percent = std::abs(deviations.*largest->deviation);
    if (!(percent > limit)) {
        return std::nullopt;
    }
    return LargestDeviation{largest->quantity, percent};
}

PartStresses ContinuousStresses(const ConverterCircuit& c) {
    const double offShare = 1 - c.D;
    const double outputCurrent = c.Vi * c.D / (offShare * c.RL);
    const double inductorMean = outputCurrent / offShare;
    const double ripple = c.Vi * c.D / (c.f * c.L);
    const double peak = inductorMean + ripple / 2;
    const double rippleSquareMean = ripple * ripple / 12;
    const double meanSquare = inductorMean * inductorMean + rippleSquareMean;
    PartStresses stresses;
    stresses.inductorPeak = peak;
    stresses.inductorMean = inductorMean;
    stresses.inductorRms = std::sqrt(meanSquare);
    stresses.switchPeak = peak;
    stresses.switchMean = c.D * inductorMean;
    stresses.switchRms = std::sqrt(c.D * meanSquare);
    stresses.diodePeak = peak;
    stresses.diodeMean = offShare * inductorMean;
    stresses.diodeRms = std::sqrt(offShare * meanSquare);
    // The capacitor carries the load current while the switch is on and iL - Io while it is
    // off: its mean square is (1 - D) (D ILm^2 + ripple^2 / 12).
    stresses.capacitorRms =
        std::sqrt(offShare * (c.D * inductorMean * inductorMean + rippleSquareMean));
    stresses.capacitorPeak = std::max(outputCurrent, peak - outputCurrent);
    stresses.voltageStress = c.Vi + c.Vi * c.D / offShare;
    return stresses;
}

PeriodValues ContinuousPeriod(const ConverterCircuit& c, const PartStresses& design) {
    const double ripple = c.Vi * c.D / (c.f * c.L);
    const double output = c.Vi * c.D / (1 - c.D);
    PeriodValues values;
    values.iLMax = design.inductorPeak;
    values.iLMin = design.inductorPeak - ripple;
    values.DeltaiL = ripple;
    values.DeltaVoMilli = output * c.D / (c.f * c.RL * c.C) * 1000;
    values.meanVo = -output;
    values.meanDiodeCurrent = design.diodeMean;
    values.meanInputCurrent = design.switchMean;
    return values;
}

// Discontinuous conduction with a constant output: iL rises from 0 to Vi D T / L while the
// switch is on and falls back to 0 within the off interval, in the share D2 = sqrt(2 L f / RL)
// of the period, and the diode's mean current is the load's: |Vo| = Vi D / D2. Each current is
// a triangle, so its mean square is peak^2 times its share of the period over 3; the capacitor
// carries the diode's current less the load's.
PartStresses DiscontinuousStresses(const ConverterCircuit& c) {
    const double peak = c.Vi * c.D / (c.f * c.L);
    const double diodeShare = std::sqrt(2 * c.L * c.f / c.RL);
    const double output = c.Vi * c.D / diodeShare;
    const double outputCurrent = output / c.RL;
    const double diodeMeanSquare = peak * peak * diodeShare / 3;
    PartStresses stresses;
    stresses.inductorPeak = peak;
    stresses.inductorMean = peak * (c.D + diodeShare) / 2;
    stresses.inductorRms = peak * std::sqrt((c.D + diodeShare) / 3);
    stresses.switchPeak = peak;
    stresses.switchMean = peak * c.D / 2;
    stresses.switchRms = peak * std::sqrt(c.D / 3);
    stresses.diodePeak = peak;
    stresses.diodeMean = outputCurrent;
    stresses.diodeRms = std::sqrt(diodeMeanSquare);
    stresses.capacitorRms = std::sqrt(diodeMeanSquare - outputCurrent * outputCurrent);
    stresses.capacitorPeak = std::max(outputCurrent, peak - outputCurrent);
    stresses.voltageStress = c.Vi + output;
    return stresses;
}

// The capacitor gains the charge of the diode's current above the load's: a triangle of height
// peak - Io and of the share (peak - Io) / peak of the diode's conduction.
PeriodValues DiscontinuousPeriod(const ConverterCircuit& c, const PartStresses& design) {
    const double peak = design.inductorPeak;
    const double diodeShare = std::sqrt(2 * c.L * c.f / c.RL);
    const double outputCurrent = design.diodeMean;
    const double excess = peak - outputCurrent;
    const double charge = excess * excess * diodeShare / (2 * peak * c.f);
    PeriodValues values;
    values.iLMax = peak;
    values.iLMin = 0;
    values.DeltaiL = peak;
    values.DeltaVoMilli = charge / c.C * 1000;
    values.meanVo = -(design.voltageStress - c.Vi);
    values.meanDiodeCurrent = outputCurrent;
    values.meanInputCurrent = design.switchMean;
    return values;
}

} // namespace

ConductionBoundary ConductionBoundaryOf(const ConverterCircuit& c) {
    const double offShare = 1 - c.D;
    ConductionBoundary boundary;
    boundary.criticalL = offShare * offShare * c.RL / (2 * c.f);
    boundary.continuous = c.L > boundary.criticalL;
    return boundary;
}

PartStresses DesignStresses(const ConverterCircuit& c) {
    return ConductionBoundaryOf(c).continuous ? ContinuousStresses(c) : DiscontinuousStresses(c);
}

PeriodValues DesignPeriod(const ConverterCircuit& c, const PartStresses& design) {
    return ConductionBoundaryOf(c).continuous ? ContinuousPeriod(c, design)
                                              : DiscontinuousPeriod(c, design);
}

ConverterAnalysis AnalyseCircuit(const ConverterCircuit& circuit, std::int32_t periods) {
    ConverterAnalysis analysis;
    analysis.designStresses = DesignStresses(circuit);
    analysis.boundary = ConductionBoundaryOf(circuit);
    analysis.periods = periods;

    const ExactConverter exact(circuit);
    const std::int32_t periodsBefore = std::max(periods, std::int32_t{1}) - 1;
    analysis.exactAtNI = exact.period(exact.stateAfter(periodsBefore));
    analysis.exactSteady = exact.period(exact.steadyStart());
    analysis.discontinuous = exact.discontinuous();
    analysis.steadyStateFound = exact.steadyStateFound();
    analysis.boundaryDisagrees = analysis.boundary.continuous == analysis.discontinuous;
    if (!analysis.discontinuous) {
        const double offShare = 1 - circuit.D;
        analysis.rhpZeroHz =
            offShare * offShare * circuit.RL / (2 * std::numbers::pi * circuit.D * circuit.L);
    }

    const ExactConverter unblocked(circuit, DiodeModel::Unblocked);
    analysis.exactUnblockedAtNI = unblocked.period(unblocked.stateAfter(periodsBefore));
    analysis.modelDifference =
        DeviationsOf(analysis.exactUnblockedAtNI.values, analysis.exactAtNI.values);
    analysis.diodeBlocking = DeviationBeyond(analysis.modelDifference, ModelDifferencePercent);

    analysis.distanceFromSteady =
        DeviationsOf(analysis.exactAtNI.values, analysis.exactSteady.values);
    analysis.notSettled = DeviationBeyond(analysis.distanceFromSteady, SettledPercent);
    return analysis;
}

ConverterAnalysis AnalyseLastRun(const Module1& m) {
    RequireSamples(m);
    const SampleSums sums = SumSamples(m);
    const double samples = static_cast<double>(m.N);

    ConverterAnalysis analysis = AnalyseCircuit(CircuitOf(m), m.NI);
    analysis.simulatedStresses = StressesOf(sums, samples, m.Vi);
    analysis.simulated = ValuesOf(sums, samples);
    analysis.accuracy = DeviationsOf(analysis.simulated, analysis.exactAtNI.values);
    analysis.stepError = DeviationsOf(analysis.simulated, analysis.exactUnblockedAtNI.values);
    analysis.coarseStep = DeviationBeyond(analysis.stepError, CoarseStepPercent);
    return analysis;
}
