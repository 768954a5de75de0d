#include "cli/headless_run.h"
#include "cli/report.h"
#include "cli/sweep.h"
#include "test_support/named_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The worked example, short enough for a table of runs: 100 samples, 200 periods.
FieldTexts Example(std::initializer_list<std::pair<TextBox, Text>> changes = {}) {
    FieldTexts fields{
        {TextBox::Text7, u"15"},   {TextBox::Text8, u"62.5"}, {TextBox::Text12, u"11"},
        {TextBox::Text9, u"400"},  {TextBox::Text10, u"60"},  {TextBox::Text11, u"25"},
        {TextBox::Text13, u"100"}, {TextBox::Text14, u"10"},  {TextBox::Text15, u"200"}};
    for (const auto& [box, text] : changes) {
        fields[box] = text;
    }
    return fields;
}

struct EndCase : NamedCase {
    FieldTexts fields;
    RunEnd end;
    std::string message;
    std::optional<RuntimeErrorKind> fault = std::nullopt;
};

TEST(HeadlessRunTest, EndsAsTheWindowsEndWithTheirMessages) {
    const EndCase cases[] = {
        {{"done"}, Example(), RunEnd::Done, ""},
        {{"empty field"},
         Example({{TextBox::Text9, u""}}),
         RunEnd::Refused,
         "Hai dimenticato di scrivere il valore dell'induttanza in uH"},
        {{"value check"},
         Example({{TextBox::Text7, u"0"}}),
         RunEnd::Refused,
         "La tensione in ingresso non può essere zero o negativa!"},
        {{"conduction check"},
         Example({{TextBox::Text9, u"2"}}),
         RunEnd::NotConducting,
         "Il Duty Cycle non può essere così basso, la corrente nell'induttore non può "
         "annullarsi, prova ad aumentare L ( anche di molto )!"},
        {{"runtime error"},
         Example({{TextBox::Text7, u"1E308"}}),
         RunEnd::Faulted,
         "Errore di calcolo: un valore supera l'intervallo dei numeri rappresentabili "
         "(overflow).",
         RuntimeErrorKind::Overflow},
    };
    for (const EndCase& row : cases) {
        const VerificationRun run = RunVerificationHeadless(row.fields);
        EXPECT_EQ(run.status.end, row.end) << row.name;
        EXPECT_EQ(Utf8(run.status.message), row.message) << row.name;
        EXPECT_EQ(run.status.fault, row.fault) << row.name;
    }
    const DesignRun comma = RunDesign({{TextBox::Text1, u"15"},
                                       {TextBox::Text2, u"25"},
                                       {TextBox::Text3, u"11"},
                                       {TextBox::Text4, u"40"},
                                       {TextBox::Text5, u"60"},
                                       {TextBox::Text6, u"0,1"}});
    EXPECT_EQ(comma.status.end, RunEnd::Refused);
    EXPECT_TRUE(comma.texts.empty());
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ReportTest, KeysKeepTheirOrderAndEveryNumberReadsBackToTheSameDouble) {
    const VerificationRun run = RunVerificationHeadless(Example());
    const Report report = AnalysisReport(run, AnalyseRun(run));
    std::vector<std::string> keys;
    for (const auto& [key, value] : report.at("analyze").items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "simulation", "status", "stress", "exact_at_ni", "exact_unblocked_at_ni",
                        "exact_steady", "accuracy_pct", "step_error_pct", "model_difference_pct",
                        "ccm", "rhp_zero_Hz", "warnings"}));

    std::stringstream json;
    WriteJson(json, report);
    const Report read = Report::parse(json.str()).at("analyze").at("simulation");
    EXPECT_TRUE(SameBits(read.at("DeltaiLSim").get<double>(), run.m.DeltaiLSim));
    EXPECT_TRUE(SameBits(read.at("DeltaVoSim").get<double>(), run.m.DeltaVoSim));
    EXPECT_TRUE(SameBits(read.at("IimSim").get<double>(), run.m.IimSim));

    std::stringstream csv;
    WriteCsv(csv, report);
    std::string header;
    std::string row;
    std::getline(csv, header);
    std::getline(csv, row);
    EXPECT_EQ(header.rfind("analyze.simulation.DeltaiLSim,analyze.simulation.DeltaVoSim,", 0), 0u);
    EXPECT_TRUE(SameBits(std::stod(row.substr(0, row.find(','))), run.m.DeltaiLSim));
    EXPECT_EQ(std::count(header.begin(), header.end(), ','),
              std::count(row.begin(), row.end(), ','));
}

struct CircuitAloneCase : NamedCase {
    FieldTexts fields;
    RunEnd end;
    const char* mode;
};

TEST(ReportTest, ARunThatReadItsCircuitButWasNotSimulatedIsAnalysedFromItsCircuitAlone) {
    const CircuitAloneCase cases[] = {
        {{"refused by the conduction check"},
         Example({{TextBox::Text9, u"2"}}),
         RunEnd::NotConducting,
         "DCM"},
        {{"simulation ended by a runtime error"},
         Example({{TextBox::Text7, u"1E308"}}),
         RunEnd::Faulted,
         "CCM"},
    };
    for (const CircuitAloneCase& row : cases) {
        const VerificationRun run = RunVerificationHeadless(row.fields);
        ASSERT_EQ(run.status.end, row.end) << row.name;
        ASSERT_TRUE(run.checked) << row.name;
        const Report body = AnalysisBody(run, AnalyseRun(run));
        EXPECT_TRUE(body.at("simulation").is_null()) << row.name;
        EXPECT_EQ(body.at("status"), Utf8(run.status.message)) << row.name;
        EXPECT_EQ(body.at("ccm").at("mode"), row.mode) << row.name;
        EXPECT_GT(body.at("exact_steady").at("iLMax_A").get<double>(), 0) << row.name;
    }
}

TEST(ReportTest, CsvCellsQuoteTextsThatHoldSeparators) {
    const std::pair<Report, std::string> cases[] = {
        {Report(0.1), "0.1"},
        {Report(-24.933918469247182), "-24.933918469247182"},
        {Report(), ""},
        {Report("CCM"), "CCM"},
        {Report("refused: a, b"), "\"refused: a, b\""},
        {Report("say \"x\""), "\"say \"\"x\"\"\""},
    };
    for (const auto& [value, cell] : cases) {
        EXPECT_EQ(CsvCell(value), cell) << value.dump();
    }
}

struct SweepValueCase : NamedCase {
    double from, to;
    std::int64_t steps;
    bool logarithmic;
    std::int64_t index;
    double value;
};

TEST(SweepTest, PointsRunFromFromToToLinearlyOrInEqualRatios) {
    const SweepValueCase cases[] = {
        {{"linear start"}, 0.1, 0.7, 3, false, 0, 0.1},
        {{"linear end"}, 0.1, 0.7, 3, false, 3, 0.7},
        {{"linear inside"}, 0.1, 0.7, 3, false, 1, 0.3},
        {{"log start"}, 0.1, 0.7, 3, true, 0, 0.1},
        {{"log end"}, 0.1, 0.7, 3, true, 3, 0.7},
        {{"log inside"}, 0.1, 0.7, 3, true, 1, 0.1 * std::cbrt(7.0)},
        {{"ratio beyond the doubles, middle"}, 1e-300, 1e300, 2, true, 1, 1},
        {{"ratio beyond the doubles, quarter"}, 1e-300, 1e300, 4, true, 1, 1e-150},
        {{"ratio beyond the doubles, last but one"}, 1e-300, 1e300, 4, true, 3, 1e150},
    };
    for (const SweepValueCase& row : cases) {
        SweepPlan plan;
        plan.from = row.from;
        plan.to = row.to;
        plan.steps = row.steps;
        plan.logarithmic = row.logarithmic;
        // A few units of the last place, as many as the logarithms of the ends lose.
        EXPECT_NEAR(SweepValue(plan, row.index), row.value, 1e-12 * row.value) << row.name;
    }
}

std::string Sweep(std::int64_t shard, std::int64_t shards, int jobs) {
    const SweepPlan plan{
        &VerificationOptions()[3], nullptr, {}, 2, 400, 6, true, shard, shards, jobs};
    std::stringstream out;
    RunSweep(plan, Example(), SweepFormat::Csv, out);
    return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(SweepTest, RowsDoNotDependOnThreadsAndShardsMergeIntoTheWholeSweep) {
    const std::string whole = Sweep(0, 1, 1);
    EXPECT_EQ(Sweep(0, 1, 2), whole);
    EXPECT_EQ(Sweep(0, 1, 7), whole);

    std::vector<std::string> merged;
    std::string header;
    for (std::int64_t shard = 0; shard < 3; ++shard) {
        std::vector<std::string> lines = Lines(Sweep(shard, 3, 2));
        header = lines.front();
        merged.insert(merged.end(), lines.begin() + 1, lines.end());
    }
    std::sort(merged.begin(), merged.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a) < std::stoi(b);
    });
    merged.insert(merged.begin(), header);
    EXPECT_EQ(merged, Lines(whole));
}

// The cells of a CSV line; a quoted cell may hold commas and doubled quotes.
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

std::vector<std::string> CellsFrom(const std::vector<std::string>& cells, std::size_t first,
                                   std::size_t count) {
    return {cells.begin() + static_cast<std::ptrdiff_t>(first),
            cells.begin() + static_cast<std::ptrdiff_t>(first + count)};
}

std::size_t Column(const std::vector<std::string>& header, const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
}

TEST(SweepTest, APointNotSimulatedKeepsTheExactSolutionOfItsCircuit) {
    const std::vector<std::string> lines = Lines(Sweep(0, 1, 2));
    ASSERT_EQ(lines.size(), 8u); // header and seven points
    const std::vector<std::string> header = Cells(lines[0]);
    EXPECT_EQ(CellsFrom(header, 0, 4),
              (std::vector<std::string>{"index", "l-uh", "status", "simulation.DeltaiLSim"}));
    for (const std::string& line : lines) {
        EXPECT_EQ(Cells(line).size(), header.size()) << line;
    }
    const std::vector<std::string> refused = Cells(lines[1]);
    EXPECT_EQ(refused[1], "2");
    EXPECT_EQ(refused[2].rfind("refused: Il Duty Cycle non può", 0), 0u);
    EXPECT_EQ(CellsFrom(refused, 3, 6), std::vector<std::string>(6));
    const VerificationRun run = RunVerificationHeadless(Example({{TextBox::Text9, u"2"}}));
    const ConverterAnalysis exact = AnalyseRun(run);
    EXPECT_EQ(refused[Column(header, "exact_steady.iLMax_A")],
              ShortestText(exact.exactSteady.values.iLMax));
    EXPECT_EQ(refused[Column(header, "exact_at_ni.VoMean_V")],
              ShortestText(exact.exactAtNI.values.meanVo));
    EXPECT_EQ(refused[Column(header, "ccm.mode")], "DCM");
    EXPECT_EQ(refused[Column(header, "accuracy_pct.iLMax_A")], "");
    const std::vector<std::string> last = Cells(lines[7]);
    EXPECT_EQ(last[0] + " " + last[1] + " " + last[2], "6 400 ok");
}

TEST(SweepTest, APointEndedByARuntimeErrorKeepsTheExactSolutionAndAPointRefusedEarlierNothing) {
    const SweepPlan plan{&VerificationOptions()[0], nullptr, {}, -15, 1E308, 2, false, 0, 1, 1};
    std::stringstream out;
    RunSweep(plan, Example(), SweepFormat::Csv, out);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u);
    const std::vector<std::string> header = Cells(lines[0]);
    const std::vector<std::string> refused = Cells(lines[1]);
    EXPECT_EQ(refused[2].rfind("refused: ", 0), 0u);
    EXPECT_EQ(CellsFrom(refused, 3, header.size() - 3),
              std::vector<std::string>(header.size() - 3));
    const std::vector<std::string> faulted = Cells(lines[3]);
    EXPECT_EQ(faulted[2], "fault: Overflow");
    EXPECT_EQ(faulted[Column(header, "simulation.DeltaiLSim")], "");
    EXPECT_EQ(faulted[Column(header, "ccm.mode")], "CCM");
    EXPECT_NE(faulted[Column(header, "exact_steady.VoMean_V")], "");
}

} // namespace
