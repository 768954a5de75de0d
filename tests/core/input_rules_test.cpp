// The rules a user meets when typing into the main window: which field speaks first when
// several are wrong, the range of N, and how a decimal comma in a design field is taken.
#include "core/design_calculation.h"
#include "core/verification.h"
#include "test_support/example_converter.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Calls = std::vector<std::string>;
using Typed = std::vector<std::pair<TextBox, std::string>>;

const std::string HowToWriteANumber =
    ". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "
    "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";

// Reached once every verification field has been accepted: the run ends there, before the
// sample arrays are made, however large N is.
struct SimulationReached {};

class StopBeforeSimulating : public WaveformRecorder {
public:
    using WaveformRecorder::WaveformRecorder;
    void showAndDrawFrame(Module1&) override { throw SimulationReached{}; }
};

// A "Grafici" press on the reference converter's fields with some texts typed over them.
// Returns the window calls; `simulated` tells whether the run got as far as simulating.
Calls PressGrafici(const Typed& typed, Module1& m, bool& simulated) {
    Form1Recorder form1;
    const Typed reference = {
        {TextBox::Text7, "15"},    {TextBox::Text8, "62.5"}, {TextBox::Text12, "11"},
        {TextBox::Text9, "400"},   {TextBox::Text10, "60"},  {TextBox::Text11, "25"},
        {TextBox::Text13, "1000"}, {TextBox::Text14, "10"},  {TextBox::Text15, "5000"}};
    for (const auto& [box, text] : reference) {
        form1.type(box, text);
    }
    for (const auto& [box, text] : typed) {
        form1.type(box, text);
    }
    StopBeforeSimulating form2(form1.calls);
    simulated = false;
    try {
        RunVerification(m, {form1, form2, form2, u'.', nullptr});
    } catch (const SimulationReached&) {
        simulated = true;
    }
    return form1.calls;
}

// Two neighbouring fields both wrong, empty or malformed: the earlier one's message alone.
TEST(InputRulesTest, VerificationFieldsAreCheckedInTheirFixedOrder) {
    for (std::size_t k = 0; k + 1 < std::size(VerificationOrder); ++k) {
        const VerificationSubject& earlier = VerificationOrder[k];
        const VerificationSubject& later = VerificationOrder[k + 1];
        SCOPED_TRACE(earlier.subject);
        const std::pair<std::string, std::string> wrongs[] = {
            {"", "MsgBox Hai dimenticato di scrivere " + earlier.subject},
            {"1,5",
             "MsgBox Errore di inserimento dati per " + earlier.subject + HowToWriteANumber}};
        for (const auto& [text, message] : wrongs) {
            Module1 m;
            bool simulated = false;
            EXPECT_EQ(PressGrafici({{earlier.box, text}, {later.box, text}}, m, simulated),
                      Calls{message});
            EXPECT_FALSE(simulated);
        }
    }
}

TEST(InputRulesTest, SamplesPerPeriodRangeFromOneToTenMillion) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"10000000", true}, {"0", false}, {"10000001", false}};
    for (const auto& [samples, accepted] : cases) {
        Module1 m;
        bool simulated = false;
        const Calls calls = PressGrafici({{TextBox::Text13, samples}}, m, simulated);
        EXPECT_EQ(simulated, accepted) << samples;
        EXPECT_EQ(calls.back(),
                  accepted ? "resetPlot"
                           : "MsgBox Il numero dei campioni N deve essere compreso tra 1 e "
                             "10000000!")
            << samples;
    }
}

// A design field in checking order: its worked-example text and its message for a value not
// above zero.
struct DesignSubject {
    TextBox box;
    std::string example;
    std::string notPositive;
};

const DesignSubject DesignOrder[] = {
    {TextBox::Text1, "15", "La tensione in ingresso non può essere zero o negativa!"},
    {TextBox::Text2, "25",
     "La tensione in uscita è negativa ma il suo valore assoluto non può essere zero o "
     "negativo!"},
    {TextBox::Text3, "11", "La frequenza non può essere zero o negativa!"},
    {TextBox::Text5, "60", "DeltaVo non può essere zero o negativo!"},
    {TextBox::Text6, "0.1",
     "Io è negativo ma il suo valore assoluto non può essere zero o negativo!"},
    {TextBox::Text4, "40", "DeltaiL non può essere zero o negativo!"}};

// A "Calcola" press on the worked example with some texts typed over it.
Calls PressCalcola(const Typed& typed) {
    Form1Recorder form1;
    FillSampleData(form1);
    for (const auto& [box, text] : typed) {
        form1.type(box, text);
    }
    form1.calls.clear();
    Module1 m;
    CalculateDesign(m, form1, u'.');
    return form1.calls;
}

TEST(InputRulesTest, DesignFieldsAreCheckedInTheirFixedOrder) {
    for (std::size_t k = 0; k + 1 < std::size(DesignOrder); ++k) {
        const DesignSubject& earlier = DesignOrder[k];
        EXPECT_EQ(PressCalcola({{earlier.box, "0"}, {DesignOrder[k + 1].box, "0"}}),
                  Calls{"MsgBox " + earlier.notPositive});
    }
}

// A comma between digits is a decimal comma, which a design field refuses rather than read
// as the digits before it; a comma with no digit after it ends the number like any other sign.
TEST(InputRulesTest, DesignFieldsRefuseOnlyACommaBetweenDigits) {
    const Calls example = PressCalcola({});
    const std::string commaTail = ". Usa il punto come separatore decimale, ad es: 1.5";
    for (const DesignSubject& field : DesignOrder) {
        SCOPED_TRACE(field.example);
        const Calls comma = PressCalcola({{field.box, "1,5"}});
        ASSERT_EQ(comma.size(), 1u);
        EXPECT_EQ(comma[0].substr(comma[0].size() - commaTail.size()), commaTail);
        EXPECT_EQ(PressCalcola({{field.box, field.example + ","}}), example);
        EXPECT_EQ(PressCalcola({{field.box, field.example + ",V"}}), example);
    }
}

} // namespace
