// The converter with its real parts beside the ideal one, as tables of text.
#include "ui/real_parts_table.h"

#include "display/number_text.h"
#include "figure/language.h"
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
    {QT_TRANSLATE_NOOP("RealPartsTable", "|Vo| media"),
     [](const PeriodValues& v) { return -v.meanVo; }, u"V"},
    {QT_TRANSLATE_NOOP("RealPartsTable", "Delta Vo"),
     [](const PeriodValues& v) { return v.DeltaVo; }, u"V"},
    {QT_TRANSLATE_NOOP("RealPartsTable", "iL min"), [](const PeriodValues& v) { return v.iLMin; },
     u"A"},
    {QT_TRANSLATE_NOOP("RealPartsTable", "iL max"), [](const PeriodValues& v) { return v.iLMax; },
     u"A"},
    {QT_TRANSLATE_NOOP("RealPartsTable", "Delta iL"),
     [](const PeriodValues& v) { return v.DeltaiL; }, u"A"},
    {QT_TRANSLATE_NOOP("RealPartsTable", "Id media"),
     [](const PeriodValues& v) { return v.meanDiodeCurrent; }, u"A"},
    {QT_TRANSLATE_NOOP("RealPartsTable", "Ii media"),
     [](const PeriodValues& v) { return v.meanInputCurrent; }, u"A"},
};

// `italian`, one of the tables' texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("RealPartsTable", italian);
}

QString Engineering(double value, const char16_t* unit, char16_t separator) {
    return FromText(EngineeringText(value, unit, separator));
}

QString Percent(double fraction, char16_t separator) {
    return FromText(PercentText(fraction * 100, separator));
}

QString Mode(bool discontinuous) {
    return Translate(discontinuous ? QT_TRANSLATE_NOOP("RealPartsTable", "Discontinua (DCM)")
                                   : QT_TRANSLATE_NOOP("RealPartsTable", "Continua (CCM)"));
}

// The watts of one loss and their share of the total ("—" when the total is zero).
QStringList LossCells(const PartLosses& losses, double PartLosses::*loss, char16_t separator) {
    const double share = losses.total > 0 ? losses.*loss / losses.total : Missing;
    return {Engineering(losses.*loss, u"W", separator), Percent(share, separator)};
}

std::vector<std::pair<QString, QString>> Books(const RealPartsResults& r, char16_t separator) {
    const LossySteadyState& s = r.lossy;
    const QString target = Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Duty per |Vo| = %1"))
                               .arg(Engineering(r.targetVo, u"V", separator));
    return {
        {Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Rendimento")),
         Percent(s.efficiency, separator)},
        {Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Potenza in ingresso")),
         Engineering(s.inputPower, u"W", separator)},
        {Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Potenza in uscita")),
         Engineering(s.outputPower, u"W", separator)},
        {Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Bilancio energetico")),
         Engineering(s.energyBalance, u"W", separator)},
        {target, Percent(r.duty.D.value_or(Missing), separator)},
        {Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Rendimento a quel duty")),
         Percent(r.duty.efficiency.value_or(Missing), separator)},
    };
}

} // namespace

const std::vector<LossEntry>& LossEntries() {
    static const std::vector<LossEntry> entries{
        {QT_TRANSLATE_NOOP("RealPartsTable", "Interruttore: conduzione"), "switch_conduction",
         &PartLosses::switchConduction},
        {QT_TRANSLATE_NOOP("RealPartsTable", "Interruttore: commutazione"), "switch_switching",
         &PartLosses::switchSwitching},
        {QT_TRANSLATE_NOOP("RealPartsTable", "Interruttore: capacità Coss"), "switch_coss",
         &PartLosses::switchCoss},
        {QT_TRANSLATE_NOOP("RealPartsTable", "Pilotaggio del gate"), "gate", &PartLosses::gate},
        {QT_TRANSLATE_NOOP("RealPartsTable", "Induttore"), "inductor", &PartLosses::inductor},
        {QT_TRANSLATE_NOOP("RealPartsTable", "Diodo"), "diode", &PartLosses::diode},
        {QT_TRANSLATE_NOOP("RealPartsTable", "Condensatore"), "capacitor", &PartLosses::capacitor},
    };
    return entries;
}

QString LossName(const LossEntry& entry) {
    return Translate(entry.name);
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
    table.lossTitles = {Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Perdita")),
                        Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Esatta")),
                        Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Quota")),
                        Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Formula CCM")),
                        Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Quota formula"))};
    std::vector<LossEntry> rows = LossEntries();
    rows.push_back({QT_TRANSLATE_NOOP("RealPartsTable", "Totale"), "total", &PartLosses::total});
    for (const LossEntry& row : rows) {
        QStringList cells{LossName(row)};
        cells << LossCells(r.lossy.losses, row.loss, separator);
        cells << (r.formula ? LossCells(*r.formula, row.loss, separator)
                            : QStringList{QString(), QString()});
        table.lossRows.push_back(cells);
    }
    table.books = Books(r, separator);
    table.steadyTitles = {Translate(QT_TRANSLATE_NOOP("RealPartsTable", "A regime")),
                          Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Ideale")),
                          Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Con i componenti"))};
    table.steadyRows.push_back({Translate(QT_TRANSLATE_NOOP("RealPartsTable", "Conduzione")),
                                Mode(r.idealDiscontinuous), Mode(r.lossy.discontinuous)});
    for (const SteadyRow& row : steadyRows) {
        table.steadyRows.push_back({Translate(row.name),
                                    Engineering(row.value(r.ideal), row.unit, separator),
                                    Engineering(row.value(r.lossy.values), row.unit, separator)});
    }
    return table;
}
