// The frequency response's facts worded: the model's and the loop's warnings and the
// compensator's refusals, in Italian.
#include "display/frequency_response_wording.h"

#include "display/analysis_wording.h"

Text ModelWarningText(ModelWarning warning) {
    switch (warning) {
    case ModelWarning::GainNotNegative:
        return u"Gvd(0) non \u00e8 negativa: con queste perdite il duty cycle supera quello della "
               u"|Vo| massima, dove un aumento di D riduce |Vo|.";
    case ModelWarning::PartsNotModelled:
        return u"Conduzione discontinua: il modello di ordine ridotto non tiene conto di rS, rL, "
               u"Vf e rD (solo della ESR).";
    case ModelWarning::LowFrequencyOnly:
        return u"Conduzione discontinua: il modello di ordine ridotto vale solo a bassa "
               u"frequenza, ben sotto f.";
    }
    return {};
}

Text LoopWarningText(LoopWarning warning) {
    switch (warning) {
    case LoopWarning::CrossoverAboveRhpThird:
        return u"La frequenza di attraversamento supera un terzo di quella dello zero nel "
               u"semipiano destro: l'anello sar\u00e0 poco robusto.";
    case LoopWarning::CrossoverAboveTenthOfF:
        return u"La frequenza di attraversamento supera un decimo della frequenza di "
               u"commutazione: il modello mediato non vale pi\u00f9 l\u00ec.";
    }
    return {};
}

Text CompensatorRefusalText(CompensatorRefusal refusal, double boostDeg,
                            char16_t decimalSeparator) {
    const Text boost = Format(boostDeg, "0.00", decimalSeparator);
    switch (refusal) {
    case CompensatorRefusal::CrossoverOutOfRange:
        return u"La frequenza di attraversamento deve essere maggiore di zero e minore di f/2.";
    case CompensatorRefusal::MarginOutOfRange:
        return u"Il margine di fase deve essere compreso tra 0 e 180 gradi, estremi esclusi.";
    case CompensatorRefusal::ResistorNotPositive:
        return u"R1 deve essere maggiore di zero.";
    case CompensatorRefusal::RampNotPositive:
        return u"L'ampiezza della rampa Vm deve essere maggiore di zero.";
    case CompensatorRefusal::BoostNotPositive:
        return Filled(u"Il margine richiesto non chiede anticipo di fase (%1\u00b0): basta un "
                      u"integratore, non una rete di tipo II o III.",
                      {boost});
    case CompensatorRefusal::BoostTooLarge:
        return Filled(u"L'anticipo di fase richiesto (%1\u00b0) supera quello della rete "
                      u"(90\u00b0 per il tipo II, 180\u00b0 per il tipo III): abbassare fc o il "
                      u"margine di fase.",
                      {boost});
    }
    return {};
}
