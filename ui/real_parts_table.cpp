// The converter with its real parts beside the ideal one, as tables of text.
#include "ui/real_parts_table.h"

#include "display/number_text.h"
#include "figure/qt_text.h"

#include <limits>

namespace {

// What PercentText and EngineeringText write as "—".
constexpr double Missing = std::numeric_limits<double>::quiet_NaN();

// One line of the steady-state table: the name and the value of a period.
struct SteadyRow {
    const char* name;
    double (*value)(const PeriodValues&);
    const char16_t* unit;
};

const SteadyRow steadyRows[] = {
    {"|Vo| media", [](const PeriodValues& v) { return -v.meanVo; }, u"V"},
    {"Delta Vo", [](const PeriodValues& v) { return v.DeltaVo; }, u"V"},
    {"iL min", [](const PeriodValues& v) { return v.iLMin; }, u"A"},
    {"iL max", [](const PeriodValues& v) { return v.iLMax; }, u"A"},
    {"Delta iL", [](const PeriodValues& v) { return v.DeltaiL; }, u"A"},
    {"Id media", [](const PeriodValues& v) { return v.meanDiodeCurrent; }, u"A"},
    {"Ii media", [](const PeriodValues& v) { return v.meanInputCurrent; }, u"A"},
};

QString Engineering(double value, const char16_t* unit, char16_t separator) {
    return FromText(EngineeringText(value, unit, separator));
}

QString Percent(double fraction, char16_t separator) {
    return FromText(PercentText(fraction * 100, separator));
}

QString Mode(bool discontinuous) {
    return discontinuous ? QStringLiteral("Discontinua (DCM)") : QStringLiteral("Continua (CCM)");
}

// The watts of one loss and their share of the total ("—" when the total is zero).
QStringList LossCells(const PartLosses& losses, double PartLosses::*loss, char16_t separator) {
    const double share = losses.total > 0 ? losses.*loss / losses.total : Missing;
    return {Engineering(losses.*loss, u"W", separator), Percent(share, separator)};
}

std::vector<std::pair<QString, QString>> Books(const RealPartsResults& r, char16_t separator) {
    const LossySteadyState& s = r.lossy;
    const QString target =
        QStringLiteral("Duty per |Vo| = ") + Engineering(r.targetVo, u"V", separator);
    return {
        {QStringLiteral("Rendimento"), Percent(s.efficiency, separator)},
        {QStringLiteral("Potenza in ingresso"), Engineering(s.inputPower, u"W", separator)},
        {QStringLiteral("Potenza in uscita"), Engineering(s.outputPower, u"W", separator)},
        {QStringLiteral("Bilancio energetico"), Engineering(s.energyBalance, u"W", separator)},
        {target, Percent(r.duty.D.value_or(Missing), separator)},
        {QStringLiteral("Rendimento a quel duty"),
         Percent(r.duty.efficiency.value_or(Missing), separator)},
    };
}

} // namespace

const std::vector<LossEntry>& LossEntries() {
    static const std::vector<LossEntry> entries{
        {"Interruttore: conduzione", "switch_conduction", &PartLosses::switchConduction},
        {"Interruttore: commutazione", "switch_switching", &PartLosses::switchSwitching},
        {"Interruttore: capacit\u00e0 Coss", "switch_coss", &PartLosses::switchCoss},
        {"Pilotaggio del gate", "gate", &PartLosses::gate},
        {"Induttore", "inductor", &PartLosses::inductor},
        {"Diodo", "diode", &PartLosses::diode},
        {"Condensatore", "capacitor", &PartLosses::capacitor},
    };
    return entries;
}

RealPartsResults SolveRealParts(const ConverterCircuit& circuit, const RealParts& parts) {
    RealPartsResults r;
    r.circuit = circuit;
    r.parts = parts;
    const ExactConverter ideal(circuit);
    r.ideal = ideal.period(ideal.steadyStart()).values;
    r.idealDiscontinuous = ideal.discontinuous();
    r.lossy = SolveLossySteadyState(circuit, parts);
    if (!parts.any()) {
        r.lossy.values = r.ideal;
        r.lossy.discontinuous = r.idealDiscontinuous;
    }
    if (!r.lossy.discontinuous) {
        r.formula = FormulaLosses(circuit, parts);
    }
    r.targetVo = circuit.Vi * circuit.D / (1 - circuit.D);
    r.duty = DutyForOutput(circuit, parts, r.targetVo);
    return r;
}

RealPartsTable TabulateRealParts(const RealPartsResults& r, char16_t separator) {
    RealPartsTable table;
    table.lossTitles = {QStringLiteral("Perdita"), QStringLiteral("Esatta"),
                        QStringLiteral("Quota"), QStringLiteral("Formula CCM"),
                        QStringLiteral("Quota formula")};
    std::vector<LossEntry> rows = LossEntries();
    rows.push_back({"Totale", "total", &PartLosses::total});
    for (const LossEntry& row : rows) {
        QStringList cells{QString::fromUtf8(row.name)};
        cells << LossCells(r.lossy.losses, row.loss, separator);
        cells << (r.formula ? LossCells(*r.formula, row.loss, separator)
                            : QStringList{QString(), QString()});
        table.lossRows.push_back(cells);
    }
    table.books = Books(r, separator);
    table.steadyTitles = {QStringLiteral("A regime"), QStringLiteral("Ideale"),
                          QStringLiteral("Con i componenti")};
    table.steadyRows.push_back(
        {QStringLiteral("Conduzione"), Mode(r.idealDiscontinuous), Mode(r.lossy.discontinuous)});
    for (const SteadyRow& row : steadyRows) {
        table.steadyRows.push_back({QString::fromUtf8(row.name),
                                    Engineering(row.value(r.ideal), row.unit, separator),
                                    Engineering(row.value(r.lossy.values), row.unit, separator)});
    }
    return table;
}
