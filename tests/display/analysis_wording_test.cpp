#include "display/analysis_wording.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Sentences(const ConverterAnalysis& a, bool simulated) {
    std::vector<std::string> sentences;
    for (const Text& warning : AnalysisWarnings(a, simulated, u',')) {
        sentences.push_back(Utf8(warning));
    }
    return sentences;
}

ConverterAnalysis NotSettledAfter(std::int32_t periods) {
    ConverterAnalysis a;
    a.periods = periods;
    a.notSettled = LargestDeviation{PeriodQuantity::iLMin, 0.534};
    return a;
}

TEST(AnalysisWordingTest, TheCountOfPeriodsIsWordedForOneNoneAndMany) {
    const struct {
        std::int32_t periods;
        const char* sentence;
    } cases[] = {
        {200, "Non ancora a regime: dopo 200 periodi lo scarto di iL minima dal valore di regime "
              "è 0,53 %; aumentare NI"},
        {1, "Non ancora a regime: dopo 1 periodo lo scarto di iL minima dal valore di regime è "
            "0,53 %; aumentare NI"},
        {0, "Non ancora a regime: nessun periodo simulato; lo scarto di iL minima dal valore di "
            "regime è 0,53 %; aumentare NI"},
        {-3, "Non ancora a regime: nessun periodo simulato; lo scarto di iL minima dal valore di "
             "regime è 0,53 %; aumentare NI"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sentences(NotSettledAfter(c.periods), true),
                  std::vector<std::string>{c.sentence});
    }
}

// The advice about the step and the diode explains a simulated column: none without one.
TEST(AnalysisWordingTest, StepAndDiodeAdviceOnlyForASimulatedRun) {
    ConverterAnalysis a;
    a.coarseStep = LargestDeviation{PeriodQuantity::DeltaiL, 3};
    a.diodeBlocking = LargestDeviation{PeriodQuantity::meanVo, 12.5};
    a.boundaryDisagrees = true;
    a.discontinuous = true;
    EXPECT_EQ(Sentences(a, true),
              (std::vector<std::string>{
                  "Conduzione discontinua: le formule di progetto valgono solo in conduzione "
                  "continua.",
                  "Vicino al confine: la formula dell'induttanza critica indica conduzione "
                  "continua, la soluzione esatta discontinua.",
                  "Passo di simulazione grossolano: uno scarto supera l'1 %; aumentare N.",
                  "Differenza di modello: la simulazione non interdice il diodo quando iL si "
                  "annulla (all'avvio o a regime); la soluzione esatta senza blocco differisce "
                  "da quella con il diodo del 12,50 % in Vo media."}));
    EXPECT_EQ(Sentences(a, false).size(), 2u);
}

} // namespace
