// The netlist in ngspice against the tool's exact steady state: the same circuit, simulated by
// another program, must settle to the same output, ripple and efficiency.
#include "cli/headless_run.h"
#include "core/exact_converter.h"
#include "core/lossy_converter.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

// The reference converter with 200 samples a period and 400 periods: its exact state after
// 400 periods is within 0.002 % of the steady state, which the test below holds.
constexpr std::int32_t Samples = 200;
constexpr std::int32_t Periods = 400;

FieldTexts Reference() {
    return {{TextBox::Text7, u"15"},   {TextBox::Text8, u"62.5"}, {TextBox::Text12, u"11"},
            {TextBox::Text9, u"400"},  {TextBox::Text10, u"60"},  {TextBox::Text11, u"25"},
            {TextBox::Text13, u"200"}, {TextBox::Text14, u"10"},  {TextBox::Text15, u"400"}};
}

ConverterCircuit ReferenceCircuit() {
    return CircuitOf(ExampleConverter());
}

// The parts of a small converter without the switching losses, which shape no waveform.
RealParts ConductionParts() {
    RealParts parts = TypicalParts();
    parts.tr = 0;
    parts.tf = 0;
    parts.Coss = 0;
    parts.Qg = 0;
    return parts;
}

bool NgspiceInstalled() {
    return std::system("command -v ngspice >/dev/null 2>&1") == 0;
}

// The `.meas` results that ngspice prints in batch mode: "vo_avg = -2.49e+01 from= ...".
std::map<std::string, double> Measured(const std::string& netlist, const std::string& name) {
    const std::filesystem::path folder = testing::TempDir();
    const std::filesystem::path input = folder / (name + ".cir");
    const std::filesystem::path output = folder / (name + ".log");
    std::ofstream(input) << netlist;
    const std::string command =
        "ngspice -b '" + input.string() + "' >'" + output.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << "ngspice failed, see " << output;
    std::map<std::string, double> values;
    std::ifstream log(output);
    for (std::string line; std::getline(log, line);) {
        std::istringstream words(line);
        std::string key;
        std::string equals;
        double value = 0;
        if (words >> key >> equals >> value && equals == "=") {
            values[key] = value;
        }
    }
    return values;
}

struct SpiceCase : NamedCase {
    RealParts parts;
};

class SpiceCrossCheck : public testing::TestWithParam<SpiceCase> {};

TEST(SpiceCrossCheckPeriods, ReachTheSteadyStateWithinFiveHundredthsOfAPercent) {
    const ExactConverter exact(ReferenceCircuit());
    const CircuitState reached = exact.stateAfter(Periods);
    const CircuitState steady = exact.steadyStart();
    EXPECT_LT(std::abs(reached.iL - steady.iL), 5e-4 * std::abs(steady.iL));
    EXPECT_LT(std::abs(reached.vo - steady.vo), 5e-4 * std::abs(steady.vo));
}

// Losses add damping, so that the converter with its parts settles sooner than the ideal one.
TEST_P(SpiceCrossCheck, SettlesToTheExactSteadyStateWithinHalfAPercent) {
    if (!NgspiceInstalled()) {
        GTEST_SKIP() << "ngspice is not installed (apt-get install ngspice): the netlist is not "
                        "simulated";
    }
    const RealParts& parts = GetParam().parts;
    const NetlistRun run = RunNetlist(Reference(), parts);
    ASSERT_EQ(run.status.end, RunEnd::Done);
    const std::map<std::string, double> spice = Measured(run.text, GetParam().name);
    const LossySteadyState exact = SolveLossySteadyState(ReferenceCircuit(), parts);
    const auto near = [](double simulated, double expected) {
        return std::abs(simulated - expected) <= 5e-3 * std::abs(expected);
    };
    ASSERT_TRUE(spice.contains("vo_avg") && spice.contains("il_min") && spice.contains("il_max"));
    EXPECT_PRED2(near, spice.at("vo_avg"), exact.values.meanVo);
    EXPECT_PRED2(near, spice.at("il_max") - spice.at("il_min"), exact.values.DeltaiL);
    if (parts.any()) {
        ASSERT_TRUE(spice.contains("pin_avg") && spice.contains("pout_avg"));
        EXPECT_PRED2(near, spice.at("pout_avg") / spice.at("pin_avg"),
                     exact.outputPower / exact.inputPower);
    }
}

INSTANTIATE_TEST_SUITE_P(Netlist, SpiceCrossCheck,
                         testing::Values(SpiceCase{{"ideal"}, {}},
                                         SpiceCase{{"with_parts"}, ConductionParts()}),
                         ByCaseName());

} // namespace
