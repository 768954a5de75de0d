#include "cli/bode_report.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

ConverterCircuit Reference(double L = 400e-6) {
    ConverterCircuit circuit = CircuitOf(ExampleConverter());
    circuit.L = L;
    return circuit;
}

std::vector<std::string> KeysOf(const Report& object) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : object.items()) {
        keys.push_back(key);
    }
    return keys;
}

struct RefusalCase : NamedCase {
    BodeTexts texts;
    const char* message; // empty: accepted
};

TEST(BodeRequestTest, RefusesAValueNamingItsOption) {
    const RefusalCase cases[] = {
        {{"defaults"}, {}, ""},
        {{"from zero"},
         {{"from-hz", "0"}},
         "L'opzione --from-hz vuole un numero maggiore di zero: 0"},
        {{"from beyond f/2"},
         {{"from-hz", "6000"}},
         "L'opzione --from-hz vuole un numero minore di f/2 (5500 Hz): 6000"},
        {{"to below from"},
         {{"from-hz", "100"}, {"to-hz", "100"}},
         "L'opzione --to-hz vuole un numero maggiore di --from-hz: 100"},
        {{"one point"},
         {{"points", "1"}},
         "L'opzione --points vuole un numero intero da 2 a 100000: 1"},
        {{"negative ramp"}, {{"vm", "-1"}}, "L'opzione --vm vuole un numero maggiore di zero: -1"},
        {{"not a number"}, {{"vm", "1,5"}}, "L'opzione --vm vuole un numero maggiore di zero: 1,5"},
        {{"type 4"},
         {{"compensate", "4"}, {"fc-hz", "500"}, {"pm-deg", "45"}},
         "L'opzione --compensate vuole 2 o 3: 4"},
        {{"crossover at f/2"},
         {{"compensate", "2"}, {"fc-hz", "5500"}, {"pm-deg", "45"}},
         "L'opzione --fc-hz vuole un numero maggiore di zero e minore di f/2 (5500 Hz): 5500"},
        {{"margin of 180"},
         {{"compensate", "3"}, {"fc-hz", "500"}, {"pm-deg", "180"}},
         "L'opzione --pm-deg vuole un numero maggiore di 0 e minore di 180: 180"},
        {{"negative R1"},
         {{"compensate", "3"}, {"fc-hz", "500"}, {"pm-deg", "45"}, {"r1-kohm", "-3"}},
         "L'opzione --r1-kohm vuole un numero maggiore di zero: -3"},
        {{"compensate alone"},
         {{"compensate", "2"}},
         "L'opzione --compensate vuole anche --fc-hz e --pm-deg"},
        {{"crossover alone"},
         {{"fc-hz", "500"}},
         "L'opzione --fc-hz vuole anche --compensate 2 o 3"},
        {{"negative FRA"},
         {{"fra", "-1"}},
         "L'opzione --fra vuole un numero intero da 0 a 1000: -1"},
    };
    for (const RefusalCase& row : cases) {
        const BodeRequestRead read = ReadBodeRequest(row.texts, 11000);
        EXPECT_EQ(read.refusal.value_or(""), row.message) << row.name;
    }
    const BodeRequest request = ReadBodeRequest({}, 11000).request;
    EXPECT_EQ(request.fromHz, 10);
    EXPECT_EQ(request.toHz, 5500);
    EXPECT_EQ(request.points, 200);
    EXPECT_FALSE(request.compensator);
}

TEST(BodeReportTest, KeysAndNumbersThatReadBackToTheSameDouble) {
    const ConverterCircuit circuit = Reference();
    const BodeRequest request = ReadBodeRequest({{"points", "5"},
                                                 {"compensate", "3"},
                                                 {"fc-hz", "700"},
                                                 {"pm-deg", "50"},
                                                 {"fra", "2"}},
                                                circuit.f)
                                    .request;
    const Report report = BodeReport(circuit, TypicalParts(), request);
    const Report& body = report.at("bode");
    EXPECT_EQ(KeysOf(body), (std::vector<std::string>{"mode", "operating_point", "poles_Hz",
                                                      "zeros_Hz", "rhp_zero_Hz", "compensator",
                                                      "points", "fra", "warnings"}));
    EXPECT_EQ(body.at("mode"), "CCM");
    EXPECT_EQ(KeysOf(body.at("operating_point")), (std::vector<std::string>{"VoMean_V", "IL_A"}));
    EXPECT_EQ(KeysOf(body.at("poles_Hz").at(0)), (std::vector<std::string>{"f_Hz", "q"}));
    EXPECT_EQ(KeysOf(body.at("zeros_Hz").at(0)), (std::vector<std::string>{"f_Hz", "q", "rhp"}));
    EXPECT_TRUE(body.at("zeros_Hz").at(0).at("q").is_null());
    EXPECT_EQ(KeysOf(body.at("compensator")),
              (std::vector<std::string>{"type", "R1_ohm", "R2_ohm", "C1_F", "C2_F", "R3_ohm",
                                        "C3_F", "k", "fc_Hz", "pm_deg", "gm_dB"}));
    EXPECT_EQ(KeysOf(body.at("points").at(0)),
              (std::vector<std::string>{"f_Hz", "Gvd_dB", "Gvd_deg", "Gvg_dB", "Gvg_deg",
                                        "Zout_dBohm", "Zout_deg", "T_dB", "T_deg"}));
    ASSERT_EQ(body.at("fra").size(), 2u);
    EXPECT_EQ(KeysOf(body.at("fra").at(0)), (std::vector<std::string>{"f_Hz", "dB", "deg"}));
    EXPECT_EQ(body.at("points").size(), 5u);

    std::stringstream json;
    WriteJson(json, report);
    const Report read = Report::parse(json.str()).at("bode");
    for (const char* key : {"Gvd_dB", "Gvd_deg", "T_deg"}) {
        const double written = body.at("points").at(3).at(key).get<double>();
        const double back = read.at("points").at(3).at(key).get<double>();
        EXPECT_EQ(std::memcmp(&written, &back, sizeof back), 0) << key;
    }
}

TEST(BodeReportTest, ARefusedCompensatorIsReportedWithItsReason) {
    const ConverterCircuit circuit = Reference();
    const BodeRequest request =
        ReadBodeRequest({{"points", "2"}, {"compensate", "2"}, {"fc-hz", "100"}, {"pm-deg", "45"}},
                        circuit.f)
            .request;
    const Report body = BodeReport(circuit, RealParts{}, request).at("bode");
    EXPECT_EQ(KeysOf(body.at("compensator")), std::vector<std::string>{"refused"});
    EXPECT_FALSE(body.at("points").at(0).contains("T_dB"));
}

TEST(BodeReportTest, DiscontinuousDesignIsWarned) {
    const ConverterCircuit circuit = Reference(60e-6);
    const Report body =
        BodeReport(circuit, RealParts{}, ReadBodeRequest({{"points", "2"}}, circuit.f).request)
            .at("bode");
    EXPECT_EQ(body.at("mode"), "DCM");
    EXPECT_TRUE(body.at("rhp_zero_Hz").is_null());
    EXPECT_EQ(body.at("warnings").size(), 1u);
}

TEST(BodeReportTest, CsvHasOneRowPerPoint) {
    const ConverterCircuit circuit = Reference();
    const Report report =
        BodeReport(circuit, RealParts{}, ReadBodeRequest({{"points", "3"}}, circuit.f).request);
    std::stringstream csv;
    WriteBodeCsv(csv, report);
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(csv, line)) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "f_Hz,Gvd_dB,Gvd_deg,Gvg_dB,Gvg_deg,Zout_dBohm,Zout_deg");
    EXPECT_EQ(lines[1].rfind("10,", 0), 0u);
    EXPECT_EQ(lines[3].rfind("5500,", 0), 0u);
}

} // namespace
