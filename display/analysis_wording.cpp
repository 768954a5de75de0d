// The analysis's facts worded: the warnings under the analysis table, in Italian.
#include "display/analysis_wording.h"

#include <string>

Text Filled(Text sentence, const std::vector<Text>& arguments) {
    for (std::size_t k = arguments.size(); k >= 1; --k) {
        const Text place = u"%" + TextFromUtf8(std::to_string(k));
        for (auto at = sentence.find(place); at != Text::npos;
             at = sentence.find(place, at + arguments[k - 1].size())) {
            sentence.replace(at, place.size(), arguments[k - 1]);
        }
    }
    return sentence;
}

namespace {

Text QuantityName(PeriodQuantity quantity) {
    switch (quantity) {
    case PeriodQuantity::iLMin:
        return u"iL minima";
    case PeriodQuantity::iLMax:
        return u"iL massima";
    case PeriodQuantity::DeltaiL:
        return u"\u0394iL";
    case PeriodQuantity::VoMin:
        return u"|Vo| minima";
    case PeriodQuantity::VoMax:
        return u"|Vo| massima";
    case PeriodQuantity::DeltaVo:
        return u"\u0394Vo";
    case PeriodQuantity::meanVo:
        return u"Vo media";
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
        return Filled(u"Non ancora a regime: nessun periodo simulato; lo scarto di %1 dal valore "
                      u"di regime \u00e8 %2 %; aumentare NI",
                      arguments);
    }
    if (periods == 1) {
        return Filled(u"Non ancora a regime: dopo 1 periodo lo scarto di %1 dal valore di regime "
                      u"\u00e8 %2 %; aumentare NI",
                      arguments);
    }
    return Filled(u"Non ancora a regime: dopo %3 periodi lo scarto di %1 dal valore di regime "
                  u"\u00e8 %2 %; aumentare NI",
                  arguments);
}

Text BoundaryNear(bool exactDiscontinuous) {
    return exactDiscontinuous
               ? Text(u"Vicino al confine: la formula dell'induttanza critica indica conduzione "
                      u"continua, la soluzione esatta discontinua.")
               : Text(u"Vicino al confine: la formula dell'induttanza critica indica conduzione "
                      u"discontinua, la soluzione esatta continua.");
}

Text DiodeBlocking(const LargestDeviation& difference, char16_t separator) {
    return Filled(u"Differenza di modello: la simulazione non interdice il diodo quando iL si "
                  u"annulla (all'avvio o a regime); la soluzione esatta senza blocco differisce "
                  u"da quella con il diodo del %2 % in %1.",
                  {QuantityName(difference.quantity), Percent(difference.percent, separator)});
}

} // namespace

Text MissingSimulationText(VerificationEnd end) {
    switch (end) {
    case VerificationEnd::NotConducting:
        return u"Colonna simulata vuota: la simulazione \u00e8 stata rifiutata dal controllo di "
               u"conduzione.";
    case VerificationEnd::Cancelled:
        return u"Colonna simulata vuota: la simulazione \u00e8 stata annullata.";
    case VerificationEnd::Faulted:
        return u"Colonna simulata vuota: la simulazione si \u00e8 interrotta per un errore.";
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
        warnings.push_back(u"Regime periodico non raggiunto: la colonna a regime \u00e8 l'ultimo "
                           u"periodo calcolato.");
    }
    if (a.discontinuous) {
        warnings.push_back(u"Conduzione discontinua: le formule di progetto valgono solo in "
                           u"conduzione continua.");
    }
    if (a.boundaryDisagrees) {
        warnings.push_back(BoundaryNear(a.discontinuous));
    }
    if (simulated && a.coarseStep) {
        warnings.push_back(
            u"Passo di simulazione grossolano: uno scarto supera l'1 %; aumentare N.");
    }
    if (simulated && a.diodeBlocking) {
        warnings.push_back(DiodeBlocking(*a.diodeBlocking, decimalSeparator));
    }
    return warnings;
}
