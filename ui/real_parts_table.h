#pragma once

#include "core/exact_converter.h"
#include "core/loss_estimates.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// The seven losses of a part set, in the order the tables list them: the Italian name and a
// key for files.
struct LossEntry {
    const char* name;
    const char* key;
    double PartLosses::*loss;
};
const std::vector<LossEntry>& LossEntries();
// The loss's name in the language in use.
QString LossName(const LossEntry& entry);

// What a circuit gives with its real parts, beside the same circuit with ideal parts.
struct RealPartsResults {
    ConverterCircuit circuit;
    RealParts parts;
    // The steady state with the parts; with no part given, its values and mode are the ideal
    // circuit's own, so that the ideal numbers show unchanged.
    LossySteadyState lossy;
    std::optional<PartLosses> formula; // continuous conduction only
    PeriodValues ideal;                // the ideal circuit's exact steady period
    bool idealDiscontinuous = false;
    double targetVo = 0; // V: Vi D / (1 - D), the ideal |Vo| of the circuit's duty
    DutyForTarget duty;  // the duty the parts need for that |Vo|
};

RealPartsResults SolveRealParts(const ConverterCircuit& circuit, const RealParts& parts);

// The results as the windows and the report show them, numbers written with the given decimal
// separator: the loss of each part (exact and formula, watts and share of the total), the power
// books with the efficiency and the duty for the target, and the steady state with the parts
// beside the ideal one. A number that does not exist is "—"; the formula's cells stay empty in
// discontinuous conduction.
struct RealPartsTable {
    QStringList lossTitles;
    std::vector<QStringList> lossRows;
    std::vector<std::pair<QString, QString>> books; // name, value
    QStringList steadyTitles;
    std::vector<QStringList> steadyRows;
};

RealPartsTable TabulateRealParts(const RealPartsResults& results, char16_t decimalSeparator);
