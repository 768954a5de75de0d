#include "core/verification.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using Calls = std::vector<std::string>;
using Fields = std::vector<std::pair<TextBox, std::string>>;

// The verification fields of the reference converter, in reading order, then other changes.
Fields ExampleFields(const Fields& changes) {
    Fields fields = {
        {TextBox::Text7, "15"},    {TextBox::Text8, "62.5"}, {TextBox::Text12, "11"},
        {TextBox::Text9, "400"},   {TextBox::Text10, "60"},  {TextBox::Text11, "25"},
        {TextBox::Text13, "1000"}, {TextBox::Text14, "10"},  {TextBox::Text15, "5000"}};
    fields.insert(fields.end(), changes.begin(), changes.end());
    return fields;
}

// Vi, D, f, L, C, RL, N, NP, NI: the values a run stores, in the order it stores them.
std::array<double, 9> StoredValues(const Module1& m) {
    return {m.Vi,
            m.D,
            m.f,
            m.L,
            m.C,
            m.RL,
            static_cast<double>(m.N),
            static_cast<double>(m.NP),
            static_cast<double>(m.NI)};
}

// A "Grafici" press on typed fields, over a previous run's values (777) and arrays ({7}).
struct VerificationRun {
    Module1 m;
    Form1Recorder form1;
    WaveformRecorder form2{form1.calls};

    explicit VerificationRun(const Fields& fields) {
        m.Vi = m.D = m.f = m.L = m.C = m.RL = m.N = m.NP = m.NI = 777;
        m.iL_t = {7};
        m.dt = m.DeltaiLSim = m.IimSim = 7; // the previous run's time step and measurements
        for (const auto& [box, text] : fields) {
            form1.type(box, text);
        }
    }
    VerificationRun(const VerificationRun&) = delete;
    VerificationOutcome press(char16_t decimalSeparator = u'.') {
        return RunVerification(m, {form1, form2, form2, decimalSeparator, nullptr});
    }
};

const char* const Blacks[] = {"setForeColor Text7 0,0,0",  "setForeColor Text8 0,0,0",
                              "setForeColor Text12 0,0,0", "setForeColor Text9 0,0,0",
                              "setForeColor Text10 0,0,0", "setForeColor Text11 0,0,0"};

struct StopCase : NamedCase {
    Fields changes;
    int stored; // how many of the nine values were stored before the stop
    Calls last; // the calls after the fields turned black
};

class VerificationStopTest : public testing::TestWithParam<StopCase> {};

TEST_P(VerificationStopTest, FieldsVariablesAndWindow) {
    const StopCase& c = GetParam();
    VerificationRun run(ExampleFields(c.changes));
    run.press();
    Calls expected(Blacks, Blacks + std::min(c.stored, 6));
    expected.insert(expected.end(), c.last.begin(), c.last.end());
    EXPECT_EQ(run.form1.calls, expected);
    const std::array<double, 9> values = StoredValues(run.m);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(values[k] == 777, k >= c.stored) << "value " << k;
    }
    EXPECT_EQ(run.m.ErrFlag, c.stored == 0 ? 1 : 0);
    const bool simulated = c.last[0] == "obtainForm2";
    EXPECT_EQ(run.m.iL_t == std::vector<double>{7}, !simulated);
    EXPECT_EQ(run.m.dt == 7, !simulated);
    if (!simulated) {
        EXPECT_EQ(run.m.DeltaiLSim, 7);
        EXPECT_EQ(run.m.IimSim, 7);
    }
}

const std::string Form = ". Puoi scrivere soltanto numeri razionali con il punto come separatore "
                         "decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";
const Calls Drawn = {"obtainForm2",
                     "resetPlot",
                     "showAndDrawFrame",
                     "drawTraces",
                     "setCaption Label2 2.13E+00",
                     "setCaption Label5 9.43E+02",
                     "setCaption Label8 3.72E+00",
                     "setCaption Label9 1.00E+00",
                     "setCaption Label16 1.66E+00"};
// The captions show the previous run's measurements, which the failed check left alone.
const Calls NotConducting = {"obtainForm2",
                             "resetPlot",
                             "showAndDrawFrame",
                             "MsgBox Il Duty Cycle non può essere così basso, la corrente "
                             "nell'induttore non può annullarsi, prova ad aumentare L ( anche di "
                             "molto )!",
                             "setCaption Label2 7.00E+00",
                             "setCaption Label5 0.00E+00",
                             "setCaption Label8 0.00E+00",
                             "setCaption Label9 0.00E+00",
                             "setCaption Label16 7.00E+00"};

INSTANTIATE_TEST_SUITE_P(
    Stops, VerificationStopTest,
    testing::Values(
        StopCase{"Example", {}, 9, Drawn},
        StopCase{"EveryFieldEmpty",
                 {{TextBox::Text7, ""},
                  {TextBox::Text8, ""},
                  {TextBox::Text12, ""},
                  {TextBox::Text9, ""},
                  {TextBox::Text10, ""},
                  {TextBox::Text11, ""},
                  {TextBox::Text13, ""},
                  {TextBox::Text14, ""},
                  {TextBox::Text15, ""}},
                 0,
                 {"MsgBox Hai dimenticato di scrivere la tensione di ingresso Vi"}},
        StopCase{"VoltageLoneMinus",
                 {{TextBox::Text7, "-"}},
                 1,
                 {"MsgBox La tensione in ingresso non può essere zero o negativa!"}},
        StopCase{"DutyCycle100",
                 {{TextBox::Text8, "100"}},
                 2,
                 {"MsgBox Il Duty Cycle non può essere zero o negativo o maggiore o uguale al "
                  "100%!"}},
        StopCase{"FrequencyZero",
                 {{TextBox::Text12, "0"}},
                 3,
                 {"MsgBox La frequenza non può essere zero o negativa!"}},
        StopCase{"InductanceNegative",
                 {{TextBox::Text9, "-400"}},
                 4,
                 {"MsgBox L'induttanza non può essere zero o negativa!"}},
        StopCase{"CapacitanceZero",
                 {{TextBox::Text10, "0"}},
                 5,
                 {"MsgBox La capacità non può essere zero o negativa!"}},
        StopCase{"LoadZero",
                 {{TextBox::Text11, "0"}},
                 6,
                 {"MsgBox La resistenza di carico RL non può essere zero o negativa!"}},
        StopCase{"SamplesRoundToZero",
                 {{TextBox::Text13, "0.5"}},
                 7,
                 {"MsgBox Il numero dei campioni N deve essere compreso tra 1 e 10000000!"}},
        StopCase{"SamplesAboveLimit",
                 {{TextBox::Text13, "10000001"}},
                 7,
                 {"MsgBox Il numero dei campioni N deve essere compreso tra 1 e 10000000!"}},
        StopCase{"NotConducting", {{TextBox::Text8, "30"}}, 9, NotConducting}),
    ByCaseName());

TEST(VerificationTest, RuleBrokenLeavesTheLastCheckedFieldAndTheRuleMessage) {
    VerificationRun run(ExampleFields({{TextBox::Text8, "0"}}));
    run.press();
    EXPECT_EQ(run.m.FieldText, u"5000");
    EXPECT_EQ(Utf8(run.m.ErrMsg),
              "Errore di inserimento dati per il numero delle iterazioni NI" + Form);
    EXPECT_EQ(run.m.Msg.substr(0, 13), u"Il Duty Cycle");
}

// Scale factors are multiplications (17.5 / 100 would be 0.175, 33 / 1000000 3.3E-05);
// counts round halves to even.
TEST(VerificationTest, Conversions) {
    VerificationRun run(ExampleFields({{TextBox::Text8, "17.5"},
                                       {TextBox::Text12, "0.7"},
                                       {TextBox::Text9, "150"},
                                       {TextBox::Text10, "33"},
                                       {TextBox::Text13, "1000.5"},
                                       {TextBox::Text14, "3.5"},
                                       {TextBox::Text15, "5E3"}}));
    run.press();
    EXPECT_EQ(run.m.D, 0.17500000000000002);
    EXPECT_EQ(run.m.f, 700);
    EXPECT_EQ(run.m.L, 0.00015);
    EXPECT_EQ(run.m.C, 3.2999999999999996e-05);
    EXPECT_EQ(run.m.N, 1000);
    EXPECT_EQ(run.m.NP, 4);
    EXPECT_EQ(run.m.NI, 5000);
}

TEST(VerificationTest, ValuesOutOfRangeAreRuntimeErrors) {
    for (const auto& [box, text, blacks] :
         {std::tuple{TextBox::Text12, "1E306", 2}, std::tuple{TextBox::Text13, "3E9", 6}}) {
        VerificationRun run(ExampleFields({{box, text}}));
        const VerificationOutcome outcome = run.press();
        EXPECT_EQ(outcome.end, VerificationEnd::Faulted);
        EXPECT_EQ(outcome.fault, RuntimeErrorKind::Overflow);
        EXPECT_FALSE(outcome.circuit); // the fault came before every input was read
        Calls expected(Blacks, Blacks + blacks);
        expected.push_back("MsgBox Errore di calcolo: un valore supera l'intervallo dei numeri "
                           "rappresentabili (overflow).");
        EXPECT_EQ(run.form1.calls, expected);
        EXPECT_EQ(run.m.f == 777, blacks == 2);
        EXPECT_EQ(run.m.N, 777);
    }
}

struct FaultCase : NamedCase {
    Fields changes;
    RuntimeErrorKind fault;
    std::int32_t Iter;
    std::int32_t Idx;
};

class VerificationFaultTest : public testing::TestWithParam<FaultCase> {};

// The runtime error names the first fault of the simulation in statement order, though later
// steps of the same stretch raise others, and ends the run after the frame.
TEST_P(VerificationFaultTest, NamesTheFirstFaultInStatementOrder) {
    const FaultCase& c = GetParam();
    VerificationRun run(ExampleFields(c.changes));
    const VerificationOutcome outcome = run.press();
    EXPECT_EQ(outcome.end, VerificationEnd::Faulted);
    EXPECT_EQ(outcome.fault, c.fault);
    EXPECT_TRUE(outcome.circuit); // every input was read before the simulation faulted
    EXPECT_EQ(run.m.Iter, c.Iter);
    EXPECT_EQ(run.m.Idx, c.Idx);
    ASSERT_GE(run.form1.calls.size(), 2u);
    EXPECT_EQ(run.form1.calls.end()[-2], "showAndDrawFrame");
}

// 1E308 V: the output voltage overflows at off step 904 of period 8, before the steps that
// would subtract infinities. C x RL = 1E-406 underflows to 0, so the first on step divides 0
// by 0; the inductor current, rising by 2E307 a step, overflows only at step 9.
INSTANTIATE_TEST_SUITE_P(Examples, VerificationFaultTest,
                         testing::Values(FaultCase{"HugeInputVoltage",
                                                   {{TextBox::Text7, "1E308"}},
                                                   RuntimeErrorKind::Overflow,
                                                   8,
                                                   904},
                                         FaultCase{"TimeConstantUnderflows",
                                                   {{TextBox::Text7, "2.2E302"},
                                                    {TextBox::Text9, "1E-6"},
                                                    {TextBox::Text10, "1E-200"},
                                                    {TextBox::Text11, "1E-200"}},
                                                   RuntimeErrorKind::InvalidOperation,
                                                   1,
                                                   1}),
                         ByCaseName());

// Each field alone empty, then malformed: its own message, in its words.
TEST(VerificationTest, EachFieldShowsItsOwnMessages) {
    for (const auto& [box, subject] : VerificationOrder) {
        VerificationRun empty(ExampleFields({{box, ""}}));
        empty.press();
        EXPECT_EQ(empty.form1.calls, Calls{"MsgBox Hai dimenticato di scrivere " + subject});
        VerificationRun malformed(ExampleFields({{box, "1,5"}}));
        malformed.press();
        EXPECT_EQ(malformed.form1.calls,
                  Calls{"MsgBox Errore di inserimento dati per " + subject + Form});
    }
}

TEST(VerificationTest, CaptionsUseTheLocaleSeparator) {
    VerificationRun run(ExampleFields({}));
    run.press(u',');
    EXPECT_EQ(run.form1.calls.back(), "setCaption Label16 1,66E+00");
}

// Stops the run at its stopAtCall-th question (never when 0) and counts the questions.
class StoppingObserver : public SimulationObserver {
public:
    explicit StoppingObserver(std::size_t stopAtCall) : stopAtCall_(stopAtCall) {}
    std::size_t calls = 0;
    bool keepGoing(double) override { return ++calls != stopAtCall_; }

private:
    std::size_t stopAtCall_;
};

// A run stopped at any point (while simulating, after the conduction check, after measuring)
// shows no number: the value boxes are emptied instead of written, nothing is drawn, and the
// previous run's measurements stay in the shared variables only if measuring had not begun.
TEST(VerificationTest, CancelledRunShowsNoNumber) {
    std::size_t questions = 0;
    {
        VerificationRun complete(ExampleFields({}));
        StoppingObserver observer(0);
        RunVerification(complete.m,
                        {complete.form1, complete.form2, complete.form2, u'.', &observer});
        ASSERT_EQ(complete.form1.calls.back().rfind("setCaption Label16", 0), 0u);
        questions = observer.calls;
    }
    ASSERT_GE(questions, 3u);
    const struct {
        std::size_t stopAtCall;
        bool measured;
    } cases[] = {{1, false}, {questions - 1, false}, {questions, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stopAtCall);
        VerificationRun run(ExampleFields({}));
        StoppingObserver observer(c.stopAtCall);
        RunVerification(run.m, {run.form1, run.form2, run.form2, u'.', &observer});
        EXPECT_EQ(run.form1.calls.back(), "showCancelled");
        EXPECT_EQ(std::count(run.form1.calls.begin(), run.form1.calls.end(), "drawTraces"), 0);
        EXPECT_EQ(run.m.DeltaiLSim != 7, c.measured);
        for (const std::string& call : run.form1.calls) {
            EXPECT_NE(call.rfind("setCaption", 0), 0u) << call;
        }
    }
}

// How a run ended is told by the run itself, with the circuit it read once the inputs passed.
TEST(VerificationTest, TellsHowTheRunEndedAndTheCircuitItRead) {
    const struct {
        const char* name;
        Fields changes;
        bool stopped;
        VerificationEnd end;
        bool circuitRead;
    } cases[] = {
        {"refused field", {{TextBox::Text8, ""}}, false, VerificationEnd::Refused, false},
        {"not conducting", {{TextBox::Text9, "2"}}, false, VerificationEnd::NotConducting, true},
        {"cancelled", {}, true, VerificationEnd::Cancelled, true},
        {"fault", {{TextBox::Text7, "1E308"}}, false, VerificationEnd::Faulted, true},
        {"drawn", {}, false, VerificationEnd::Drawn, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VerificationRun run(ExampleFields(c.changes));
        StoppingObserver observer(1);
        const VerificationOutcome outcome = RunVerification(
            run.m, {run.form1, run.form2, run.form2, u'.', c.stopped ? &observer : nullptr});
        EXPECT_EQ(outcome.end, c.end);
        ASSERT_EQ(outcome.circuit.has_value(), c.circuitRead);
        if (c.circuitRead) {
            EXPECT_EQ(outcome.circuit->L, run.m.L);
            EXPECT_EQ(outcome.NI, run.m.NI);
        }
    }
}

} // namespace
