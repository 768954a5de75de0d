#include "core/design_calculation.h"
#include "core/handler_support.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

Calls ExampleCalls(const std::string& separator) {
    return {"setCaption Label24 7" + separator + "99E+03",
            "setCaption Label25 9" + separator + "47E+01",
            "setCaption Label26 3" + separator + "20E-01",
            "setCaption Label27 1" + separator + "00E-01",
            "setCaption Label32 1" + separator + "67E-01",
            "setText Text7 1.500E+01",
            "setForeColor Text7 0,0,255",
            "setText Text12 1.100E+01",
            "setForeColor Text12 0,0,255",
            "setText Text8 6.250E+01",
            "setForeColor Text8 0,0,255",
            "setText Text9 7.990E+03",
            "setForeColor Text9 0,0,255",
            "setText Text10 9.470E+01",
            "setForeColor Text10 0,0,255",
            "setText Text11 2.500E+02",
            "setForeColor Text11 0,0,255"};
}

using Typed = std::vector<std::pair<TextBox, std::string>>;

// The worked example in the design fields with some texts typed over it; nothing logged yet.
void TypeOverExample(Form1Recorder& form1, const Typed& typed) {
    FillSampleData(form1);
    for (const auto& [box, text] : typed) {
        form1.type(box, text);
    }
    form1.calls.clear();
}

class WorkedExampleTest : public testing::TestWithParam<char16_t> {};

TEST_P(WorkedExampleTest, ShowsResultsAndFillsVerificationFieldsInLightBlue) {
    Form1Recorder form1;
    TypeOverExample(form1, {});
    Module1 m;
    CalculateDesign(m, form1, GetParam());

    EXPECT_EQ(form1.calls, ExampleCalls(std::string(1, static_cast<char>(GetParam()))));
    EXPECT_EQ(m.D, 0.625);
    EXPECT_EQ(m.Iim, 0x1.5555555555555p-3);
    EXPECT_EQ(m.ILm, 0x1.1111111111111p-2);
    EXPECT_EQ(m.DeltaiL, 0x1.b4e81b4e81b4ep-4);
    EXPECT_EQ(m.L, 0x1.f360e8ba2e8bbp+12); // 7990.0568... uH
    EXPECT_EQ(m.C, 0x1.7ac9b26c9b26dp+6);  // 94.6969... uF
    EXPECT_EQ(m.IDP, 0x1.47ae147ae147bp-2);
    EXPECT_EQ(m.IDm, 0.1);
    EXPECT_EQ(m.RL, 250.0);
    EXPECT_EQ(m.f, 11000.0);
    EXPECT_EQ(m.DeltaVo, 0x1.eb851eb851eb8p-5);
    EXPECT_EQ(Utf8(m.FmtText), "2.500E+02");
}

INSTANTIATE_TEST_SUITE_P(Separators, WorkedExampleTest, testing::Values(u'.', u','));

struct RefusalCase : NamedCase {
    Typed typed; // over the worked example
    std::string message;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

// A refusal shows one message and changes no label, field text or colour.
TEST_P(RefusalTest, ShowsOneMessageAndTouchesNothingElse) {
    Form1Recorder form1;
    TypeOverExample(form1, GetParam().typed);
    Module1 m;
    CalculateDesign(m, form1, u'.');
    EXPECT_EQ(form1.calls, Calls{"MsgBox " + GetParam().message});
    EXPECT_EQ(Utf8(m.Msg), GetParam().message);
}

const std::string Msg1 = "La tensione in ingresso non può essere zero o negativa!";
const std::string Msg2 =
    "La tensione in uscita è negativa ma il suo valore assoluto non può essere zero o negativo!";
const std::string Msg3 = "La frequenza non può essere zero o negativa!";
const std::string Msg4 = "DeltaVo non può essere zero o negativo!";
const std::string Msg5 = "Io è negativo ma il suo valore assoluto non può essere zero o negativo!";
const std::string Msg6 = "DeltaiL non può essere zero o negativo!";
const std::string CommaTail = ". Usa il punto come separatore decimale, ad es: 1.5";

INSTANTIATE_TEST_SUITE_P(
    Messages, RefusalTest,
    testing::Values(
        RefusalCase{"EmptyVi", {{TextBox::Text1, ""}}, Msg1},
        RefusalCase{"AllEmpty",
                    {{TextBox::Text1, ""},
                     {TextBox::Text2, ""},
                     {TextBox::Text3, ""},
                     {TextBox::Text4, ""},
                     {TextBox::Text5, ""},
                     {TextBox::Text6, ""}},
                    Msg1},
        RefusalCase{"NegativeVo", {{TextBox::Text2, "-25"}}, Msg2},
        RefusalCase{"ZeroFrequency", {{TextBox::Text3, "0"}}, Msg3},
        RefusalCase{"LetterFrequency", {{TextBox::Text3, "abc"}}, Msg3},
        RefusalCase{"RipplesBothZero", {{TextBox::Text4, "0"}, {TextBox::Text5, "0"}}, Msg4},
        RefusalCase{"CurrentAndRippleZero", {{TextBox::Text4, "0"}, {TextBox::Text6, "0"}}, Msg5},
        RefusalCase{"ZeroInductorRipple", {{TextBox::Text4, "0"}}, Msg6},
        RefusalCase{"TwoMinusSigns", {{TextBox::Text6, "--1"}}, Msg5},
        RefusalCase{"CommaVi",
                    {{TextBox::Text1, "1,5"}},
                    "Errore di inserimento dati per la tensione di ingresso Vi" + CommaTail},
        RefusalCase{"CommaViWithUnit",
                    {{TextBox::Text1, " 12,5 V"}},
                    "Errore di inserimento dati per la tensione di ingresso Vi" + CommaTail},
        RefusalCase{"CommaVo",
                    {{TextBox::Text2, "25,0"}},
                    "Errore di inserimento dati per il valore assoluto della tensione in uscita" +
                        CommaTail},
        RefusalCase{"CommaFrequency",
                    {{TextBox::Text3, "11,5"}},
                    "Errore di inserimento dati per la frequenza di commutazione f in kHz" +
                        CommaTail},
        RefusalCase{"CommaInductorRipple",
                    {{TextBox::Text4, "40,5"}},
                    "Errore di inserimento dati per la variazione della corrente nell'induttore "
                    "in %" +
                        CommaTail},
        RefusalCase{"CommaOutputRipple",
                    {{TextBox::Text5, "0,1"}},
                    "Errore di inserimento dati per DeltaVo in mV" + CommaTail},
        RefusalCase{"CommaCurrent",
                    {{TextBox::Text6, "0,1"}},
                    "Errore di inserimento dati per il valore assoluto di Io" + CommaTail},
        // The comma test sits just before the positivity test of the same field.
        RefusalCase{"CommaBeforeLaterZero",
                    {{TextBox::Text2, "2,5"}, {TextBox::Text3, "0"}},
                    "Errore di inserimento dati per il valore assoluto della tensione in uscita" +
                        CommaTail},
        RefusalCase{"CommaOnZero",
                    {{TextBox::Text1, "0,5"}},
                    "Errore di inserimento dati per la tensione di ingresso Vi" + CommaTail}),
    ByCaseName());

TEST(DesignCalculationTest, RefusedValueStaysStoredAndEarlierStepsKeepTheirs) {
    Form1Recorder form1;
    TypeOverExample(form1, {{TextBox::Text5, "-60"}});
    Module1 m;
    CalculateDesign(m, form1, u'.');
    EXPECT_EQ(m.Vi, 15);
    EXPECT_EQ(m.Vo, 25);
    EXPECT_EQ(m.f, 11000);
    EXPECT_EQ(m.DeltaVo, -0.06);
    EXPECT_EQ(m.Io, 0);
}

TEST(DesignCalculationTest, ToleratesUnitsBlanksAndExtraPoints) {
    Form1Recorder form1;
    TypeOverExample(form1,
                    {{TextBox::Text1, "15 V"}, {TextBox::Text2, "2 5"}, {TextBox::Text6, "0.1.7"}});
    Module1 m;
    CalculateDesign(m, form1, u'.');
    EXPECT_EQ(m.Vi, 15);
    EXPECT_EQ(m.Vo, 25);
    EXPECT_EQ(m.Io, 0.1);
    EXPECT_EQ(form1.calls.size(), ExampleCalls(".").size());
}

TEST(DesignCalculationTest, VerificationCountsAreNeverTouched) {
    Form1Recorder form1;
    TypeOverExample(form1, {{TextBox::Text13, "1000"}});
    Module1 m;
    CalculateDesign(m, form1, u',');
    for (const std::string& call : form1.calls) {
        EXPECT_EQ(call.find("Text13"), std::string::npos) << call;
        EXPECT_EQ(call.find("Text14"), std::string::npos) << call;
        EXPECT_EQ(call.find("Text15"), std::string::npos) << call;
    }
}

struct FaultCase : NamedCase {
    Typed typed;
    RuntimeErrorKind kind;
    std::size_t callsBeforeFault;
};

class ArithmeticFaultTest : public testing::TestWithParam<FaultCase> {};

// A fault ends the calculation where it stands: no message of its own, earlier writes stay.
TEST_P(ArithmeticFaultTest, EndsTheCalculationWhereItStands) {
    Form1Recorder form1;
    TypeOverExample(form1, GetParam().typed);
    Module1 m;
    m.DeltaiL = 123;
    try {
        CalculateDesign(m, form1, u'.');
        ADD_FAILURE() << "no runtime error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.kind(), GetParam().kind);
    }
    EXPECT_EQ(form1.calls.size(), GetParam().callsBeforeFault);
    for (const std::string& call : form1.calls) {
        EXPECT_NE(call.rfind("MsgBox", 0), 0u) << call;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ArithmeticFaultTest,
    testing::Values(
        // D rounds to exactly 1: the mean input current divides by 1 - D = 0.
        FaultCase{"DutyCycleOfOne",
                  {{TextBox::Text1, "1E-20"}, {TextBox::Text2, "1"}},
                  RuntimeErrorKind::DivisionByZero,
                  0},
        FaultCase{
            "FrequencyBeyondRange", {{TextBox::Text3, "1E306"}}, RuntimeErrorKind::Overflow, 0},
        FaultCase{"TextBeyondRange", {{TextBox::Text6, "1E400"}}, RuntimeErrorKind::Overflow, 0},
        // Io x Vo x 10^6 overflows in C: the inductance label already shown stays.
        FaultCase{"CapacitanceOverflowsAfterTheInductance",
                  {{TextBox::Text6, "1E301"}},
                  RuntimeErrorKind::Overflow,
                  1},
        // Vo x Vi x 10^6 overflows in L; nothing has been shown yet.
        FaultCase{"HugeVoltages",
                  {{TextBox::Text1, "1E200"}, {TextBox::Text2, "1E200"}},
                  RuntimeErrorKind::Overflow,
                  0},
        // Vo x Vi overflows in L before its divisor, which overflows too, makes it inf / inf.
        FaultCase{"OverflowBeforeInfinityOverInfinity",
                  {{TextBox::Text1, "1E200"},
                   {TextBox::Text2, "1E200"},
                   {TextBox::Text3, "1E200"},
                   {TextBox::Text6, "1E-200"}},
                  RuntimeErrorKind::Overflow,
                  0},
        // The sum Vo + Vi overflows inside D although D itself would look finite.
        FaultCase{"VoltageSumOverflows",
                  {{TextBox::Text1, "1.5E308"}, {TextBox::Text2, "1.5E308"}},
                  RuntimeErrorKind::Overflow,
                  0}),
    ByCaseName());

TEST(DesignCalculationTest, DutyCycleOfOneIsStoredBeforeTheFault) {
    Form1Recorder form1;
    TypeOverExample(form1, {{TextBox::Text1, "1E-20"}, {TextBox::Text2, "1"}});
    Module1 m;
    m.DeltaiL = 123;
    EXPECT_THROW(CalculateDesign(m, form1, u'.'), RuntimeError);
    EXPECT_EQ(m.D, 1.0);
    EXPECT_EQ(m.DeltaiL, 123); // the ripple field was never reached
}

// A window whose label operation leaves an invalid-operation flag behind, as foreign code may.
class FlagRaisingForm1 : public Form1Recorder {
public:
    void setCaption(ResultLabel label, const Text& caption) override {
        std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
        Form1Recorder::setCaption(label, caption);
    }
};

TEST(DesignCalculationTest, FlagsLeftByWindowOperationsAreNotBlamedOnTheDesign) {
    FlagRaisingForm1 form1;
    TypeOverExample(form1, {});
    Module1 m;
    CalculateDesign(m, form1, u'.');
    EXPECT_EQ(form1.calls, ExampleCalls("."));
}

} // namespace
