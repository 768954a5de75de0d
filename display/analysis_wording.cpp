// The analysis's facts worded: the warnings under the analysis table, in the language spoken.
#include "display/analysis_wording.h"

#include "core/phrasebook.h"

#include <string>

namespace {

Text QuantityName(PeriodQuantity quantity) {
    switch (quantity) {
    case PeriodQuantity::iLMin:
        return Phrase("AnalysisWording", "iL minima");
    case PeriodQuantity::iLMax:
        return Phrase("AnalysisWording", "iL massima");
    case PeriodQuantity::DeltaiL:
        return u"\u0394iL";
    case PeriodQuantity::VoMin:
        return Phrase("AnalysisWording", "|Vo| minima");
    case PeriodQuantity::VoMax:
        return Phrase("AnalysisWording", "|Vo| massima");
    case PeriodQuantity::DeltaVo:
        return u"\u0394Vo";
    case PeriodQuantity::meanVo:
        return Phrase("AnalysisWording", "Vo media");
    case PeriodQuantity::meanDiodeCurrent:
        return u"IDm";
    case PeriodQuantity::meanInputCurrent:
        return u"Iim";
    }
    return {};
}

Text Percent(double percent, char16_t decimalSeparator) {
    return Format(percent, "0.00", decimalSeparator);
}

Text NotSettled(const LargestDeviation& distance, std::int32_t periods, char16_t separator) {
    const std::vector<Text> arguments = {QuantityName(distance.quantity),
                                         Percent(distance.percent, separator),
                                         TextFromUtf8(std::to_string(periods))};
    if (periods <= 0) {
        return Filled(
            Phrase("AnalysisWording",
                   "Non ancora a regime: nessun periodo simulato; lo scarto di %1 dal valore "
                   "di regime è %2 %; aumentare NI"),
            arguments);
    }
    if (periods == 1) {
        return Filled(
            Phrase("AnalysisWording",
                   "Non ancora a regime: dopo 1 periodo lo scarto di %1 dal valore di regime "
                   "è %2 %; aumentare NI"),
            arguments);
    }
    return Filled(
        Phrase("AnalysisWording",
               "Non ancora a regime: dopo %3 periodi lo scarto di %1 dal valore di regime "
               "è %2 %; aumentare NI"),
        arguments);
}

Text BoundaryNear(bool exactDiscontinuous) {
    return exactDiscontinuous
               ? Phrase("AnalysisWording",
                        "Vicino al confine: la formula dell'induttanza critica indica conduzione "
                        "continua, la soluzione esatta discontinua.")
               : Phrase("AnalysisWording",
                        "Vicino al confine: la formula dell'induttanza critica indica conduzione "
                        "discontinua, la soluzione esatta continua.");
}

Text DiodeBlocking(const LargestDeviation& difference, char16_t separator) {
    return Filled(
        Phrase("AnalysisWording",
               "Differenza di modello: la simulazione non interdice il diodo quando iL si "
               "annulla (all'avvio o a regime); la soluzione esatta senza blocco differisce "
               "da quella con il diodo del %2 % in %1."),
        {QuantityName(difference.quantity), Percent(difference.percent, separator)});
}

} // namespace

Text MissingSimulationText(VerificationEnd end) {
    switch (end) {
    case VerificationEnd::NotConducting:
        return Phrase("AnalysisWording",
                      "Colonna simulata vuota: la simulazione è stata rifiutata dal controllo di "
                      "conduzione.");
    case VerificationEnd::Cancelled:
        return Phrase("AnalysisWording",
                      "Colonna simulata vuota: la simulazione è stata annullata.");
    case VerificationEnd::Faulted:
        return Phrase("AnalysisWording",
                      "Colonna simulata vuota: la simulazione si è interrotta per un errore.");
    case VerificationEnd::Refused:
    case VerificationEnd::Drawn:
        break;
    }
    return {};
}

std::vector<Text> AnalysisWarnings(const ConverterAnalysis& a, bool simulated,
                                   char16_t decimalSeparator) {
    std::vector<Text> warnings;
    if (a.notSettled) {
        warnings.push_back(NotSettled(*a.notSettled, a.periods, decimalSeparator));
    }
    if (!a.steadyStateFound) {
        warnings.push_back(Phrase("AnalysisWording",
                                  "Regime periodico non raggiunto: la colonna a regime è l'ultimo "
                                  "periodo calcolato."));
    }
    if (a.discontinuous) {
        warnings.push_back(Phrase("AnalysisWording",
                                  "Conduzione discontinua: le formule di progetto valgono solo in "
                                  "conduzione continua."));
    }
    if (a.boundaryDisagrees) {
        warnings.push_back(BoundaryNear(a.discontinuous));
    }
    if (simulated && a.coarseStep) {
        warnings.push_back(
            Phrase("AnalysisWording",
                   "Passo di simulazione grossolano: uno scarto supera l'1 %; aumentare N."));
    }
    if (simulated && a.diodeBlocking) {
        warnings.push_back(DiodeBlocking(*a.diodeBlocking, decimalSeparator));
    }
    return warnings;
}
