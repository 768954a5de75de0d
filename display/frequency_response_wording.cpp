// The frequency response's facts worded: the model's and the loop's warnings and the
// compensator's refusals, in the language spoken.
#include "display/frequency_response_wording.h"

#include "core/phrasebook.h"

Text ModelWarningText(ModelWarning warning) {
    switch (warning) {
    case ModelWarning::GainNotNegative:
        return Phrase("FrequencyResponseWording",
                      "Gvd(0) non è negativa: con queste perdite il duty cycle supera quello della "
                      "|Vo| massima, dove un aumento di D riduce |Vo|.");
    case ModelWarning::PartsNotModelled:
        return Phrase(
            "FrequencyResponseWording",
            "Conduzione discontinua: il modello di ordine ridotto non tiene conto di rS, rL, "
            "Vf e rD (solo della ESR).");
    case ModelWarning::LowFrequencyOnly:
        return Phrase("FrequencyResponseWording",
                      "Conduzione discontinua: il modello di ordine ridotto vale solo a bassa "
                      "frequenza, ben sotto f.");
    }
    return {};
}

Text LoopWarningText(LoopWarning warning) {
    switch (warning) {
    case LoopWarning::CrossoverAboveRhpThird:
        return Phrase("FrequencyResponseWording",
                      "La frequenza di attraversamento supera un terzo di quella dello zero nel "
                      "semipiano destro: l'anello sarà poco robusto.");
    case LoopWarning::CrossoverAboveTenthOfF:
        return Phrase("FrequencyResponseWording",
                      "La frequenza di attraversamento supera un decimo della frequenza di "
                      "commutazione: il modello mediato non vale più lì.");
    }
    return {};
}

Text CompensatorRefusalText(CompensatorRefusal refusal, double boostDeg,
                            char16_t decimalSeparator) {
    const Text boost = Format(boostDeg, "0.00", decimalSeparator);
    switch (refusal) {
    case CompensatorRefusal::CrossoverOutOfRange:
        return Phrase(
            "FrequencyResponseWording",
            "La frequenza di attraversamento deve essere maggiore di zero e minore di f/2.");
    case CompensatorRefusal::MarginOutOfRange:
        return Phrase(
            "FrequencyResponseWording",
            "Il margine di fase deve essere compreso tra 0 e 180 gradi, estremi esclusi.");
    case CompensatorRefusal::ResistorNotPositive:
        return Phrase("FrequencyResponseWording", "R1 deve essere maggiore di zero.");
    case CompensatorRefusal::RampNotPositive:
        return Phrase("FrequencyResponseWording",
                      "L'ampiezza della rampa Vm deve essere maggiore di zero.");
    case CompensatorRefusal::BoostNotPositive:
        return Filled(Phrase("FrequencyResponseWording",
                             "Il margine richiesto non chiede anticipo di fase (%1°): basta un "
                             "integratore, non una rete di tipo II o III."),
                      {boost});
    case CompensatorRefusal::BoostTooLarge:
        return Filled(Phrase("FrequencyResponseWording",
                             "L'anticipo di fase richiesto (%1°) supera quello della rete "
                             "(90° per il tipo II, 180° per il tipo III): abbassare fc o il "
                             "margine di fase."),
                      {boost});
    }
    return {};
}
