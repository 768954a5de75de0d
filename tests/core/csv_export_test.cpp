#include "core/conversions.h"
#include "core/csv_export.h"
#include "core/simulation.h"
#include "test_support/example_converter.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <locale>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string Header = "k,t_s,iL_A,iC_A,Vo_V,id_A";
constexpr std::int32_t RowsPerBlock = 65536;

// A folder of its own under the system's temporary folder, removed with all it holds.
class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        do {
            path_ = fs::temp_directory_path() / ("csv_export_test_" + std::to_string(random()));
        } while (!fs::create_directory(path_));
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

    std::vector<std::string> names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void WriteFile(const fs::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

struct Row {
    std::int64_t k = 0;
    std::array<double, 5> numbers{}; // t_s, iL, iC, Vo, id
};

struct Table {
    std::string header;
    std::vector<Row> rows;
};

// Parses the file strictly: LF line ends, a final LF, exactly six fields per row, each read
// whole by std::from_chars.
Table ReadTable(const fs::path& path) {
    const std::string text = Contents(path);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_TRUE(!text.empty() && text.back() == '\n');
    std::istringstream lines(text);
    Table table;
    std::getline(lines, table.header);
    for (std::string line; std::getline(lines, line);) {
        Row row;
        const char* const end = line.data() + line.size();
        std::from_chars_result read = std::from_chars(line.data(), end, row.k);
        std::size_t fields = 0;
        while (fields < row.numbers.size() && read.ec == std::errc() && read.ptr != end &&
               *read.ptr == ',') {
            read = std::from_chars(read.ptr + 1, end, row.numbers[fields++]);
        }
        EXPECT_TRUE(fields == row.numbers.size() && read.ec == std::errc() && read.ptr == end)
            << line;
        table.rows.push_back(row);
    }
    return table;
}

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Every row k holds sample k of the four arrays and k / (N f), bit for bit.
void ExpectTableOf(const Module1& m, const Table& table) {
    EXPECT_EQ(table.header, Header);
    ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(m.N));
    for (std::int32_t k = 1; k <= m.N; ++k) {
        const Row& row = table.rows[static_cast<std::size_t>(k - 1)];
        const std::array<double, 5> expected{static_cast<double>(k) /
                                                 (static_cast<double>(m.N) * m.f),
                                             m.iL_t[k], m.iC_t[k], m.Vo_t[k], m.id_t[k]};
        EXPECT_EQ(row.k, k);
        for (std::size_t column = 0; column < expected.size(); ++column) {
            EXPECT_TRUE(SameBits(row.numbers[column], expected[column]))
                << "row " << k << " column " << column + 1 << ": " << row.numbers[column]
                << " != " << expected[column];
        }
    }
}

// N samples per array that differ between arrays; indices 0 and N + 1 hold a marker that
// must never reach the file.
Module1 SyntheticPeriod(const std::vector<double>& samples) {
    Module1 m = ExampleConverter();
    m.N = static_cast<std::int32_t>(samples.size());
    const auto withEnds = [](std::vector<double> values) {
        values.insert(values.begin(), 7777);
        values.push_back(7777);
        return values;
    };
    std::vector<double> reversed(samples.rbegin(), samples.rend());
    std::vector<double> negated;
    for (double sample : samples) {
        negated.push_back(-sample);
    }
    m.iL_t = withEnds(samples);
    m.iC_t = withEnds(negated);
    m.Vo_t = withEnds(reversed);
    m.id_t = withEnds(std::vector<double>(samples.size(), 0.1));
    return m;
}

Module1 ManySamples(std::int32_t N) {
    std::vector<double> samples;
    for (std::int32_t k = 1; k <= N; ++k) {
        samples.push_back(1.5 + 1 / static_cast<double>(k));
    }
    return SyntheticPeriod(samples);
}

// Numbers with a decimal comma for both the C library and the C++ streams while it lives:
// Italian where that locale is installed, and a comma facet in the global C++ locale always.
class DecimalCommaLocale {
public:
    DecimalCommaLocale() : previousC_(std::setlocale(LC_ALL, nullptr)) {
        struct Comma : std::numpunct<char> {
            char do_decimal_point() const override { return ','; }
        };
        previousCpp_ = std::locale::global(std::locale(std::locale::classic(), new Comma));
        if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr) {
            std::setlocale(LC_ALL, "C.UTF-8");
        }
    }
    ~DecimalCommaLocale() {
        std::locale::global(previousCpp_);
        std::setlocale(LC_ALL, previousC_.c_str());
    }

private:
    std::string previousC_;
    std::locale previousCpp_;
};

TEST(CsvExportTest, AwkwardNumbersReadBackBitForBitUnderADecimalCommaLocale) {
    const std::vector<double> awkward{
        -0.0,
        0.0,
        std::numeric_limits<double>::denorm_min(),
        -2.2250738585072014e-308, // the longest shortest form
        std::numeric_limits<double>::min(),
        1e308,
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        0.1 + 0.2, // 17 significant digits
        1.5912345678901234,
        -25.397,
        1e-7,
        123456789012345680.0,
    };
    const Module1 m = SyntheticPeriod(awkward);
    ScratchFolder folder;
    const fs::path target = folder.path() / "forme.csv";
    {
        DecimalCommaLocale comma;
        ASSERT_EQ(ExportLastPeriodCsv(m, target, nullptr).outcome, CsvExportOutcome::Written);
    }
    ExpectTableOf(m, ReadTable(target));
}

TEST(CsvExportTest, ReplacesAnEarlierFileAndReportsEveryBlock) {
    const Module1 m = ManySamples(2 * RowsPerBlock + 3);
    ScratchFolder folder;
    const fs::path target = folder.path() / "forme.csv";
    WriteFile(target, std::string(16'000'000, 'x'));
    RecordingObserver observer;
    EXPECT_EQ(ExportLastPeriodCsv(m, target, &observer).outcome, CsvExportOutcome::Written);
    ExpectTableOf(m, ReadTable(target));
    const double N = m.N;
    EXPECT_EQ(observer.fractions, (std::vector<double>{RowsPerBlock / N, 2 * RowsPerBlock / N, 1}));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"forme.csv"});
}

struct CancelCase : NamedCase {
    std::size_t stopAtCall;
    bool earlierFile;
};

class CsvExportCancelTest : public testing::TestWithParam<CancelCase> {};

TEST_P(CsvExportCancelTest, LeavesTheTargetAsItWas) {
    const CancelCase& c = GetParam();
    const Module1 m = ManySamples(2 * RowsPerBlock + 3);
    ScratchFolder folder;
    const fs::path target = folder.path() / "forme.csv";
    const std::string earlier = "k,t_s\n1,2\n";
    if (c.earlierFile) {
        WriteFile(target, earlier);
    }
    RecordingObserver observer;
    observer.stopAtCall = c.stopAtCall;
    const CsvExportResult result = ExportLastPeriodCsv(m, target, &observer);
    EXPECT_EQ(result.outcome, CsvExportOutcome::Cancelled);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(observer.fractions.size(), c.stopAtCall);
    if (c.earlierFile) {
        EXPECT_EQ(folder.names(), std::vector<std::string>{"forme.csv"});
        EXPECT_EQ(Contents(target), earlier);
    } else {
        EXPECT_EQ(folder.names(), std::vector<std::string>{});
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CsvExportCancelTest,
                         testing::Values(CancelCase{"FirstBlockNoEarlierFile", 1, false},
                                         CancelCase{"FirstBlock", 1, true},
                                         CancelCase{"LastBlock", 3, true}),
                         ByCaseName());

struct FailureCase : NamedCase {
    const char* target; // under the scratch folder
    const char* reason; // the message's end after the file name
    bool simulatedPeriod;
};

class CsvExportFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(CsvExportFailureTest, NamesTheFileAndLeavesTheFolderAsItWas) {
    const FailureCase& c = GetParam();
    const Module1 m = c.simulatedPeriod ? ManySamples(10) : ExampleConverter();
    ScratchFolder folder;
    fs::create_directory(folder.path() / "cartella");
    fs::create_symlink("anello.csv", folder.path() / "anello.csv");
    const fs::path target = folder.path() / c.target;
    const CsvExportResult result = ExportLastPeriodCsv(m, target, nullptr);
    EXPECT_EQ(result.outcome, CsvExportOutcome::Failed);
    EXPECT_EQ(Utf8(result.message),
              "Impossibile scrivere il file \"" + target.string() + "\": " + c.reason);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"anello.csv", "cartella"}));
    EXPECT_TRUE(fs::is_empty(folder.path() / "cartella"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvExportFailureTest,
    testing::Values(FailureCase{"MissingFolder", "manca/forme.csv", "la cartella non esiste.",
                                true},
                    FailureCase{"MissingFolderWithAccents", "già_tolta_🙂/forme à.csv",
                                "la cartella non esiste.", true},
                    FailureCase{"TargetIsAFolder", "cartella", "è una cartella.", true},
                    FailureCase{"LinkLoop", "anello.csv", "troppi collegamenti simbolici.", true},
                    FailureCase{"NoSimulatedPeriod", "forme.csv",
                                "non c'è un periodo simulato da esportare.", false}),
    ByCaseName());

// True when no part file is left anywhere under `folder`.
bool NoPartFileUnder(const fs::path& folder) {
    return std::none_of(
        fs::recursive_directory_iterator(folder), fs::recursive_directory_iterator(),
        [](const fs::directory_entry& entry) { return entry.path().extension() == ".part"; });
}

// The export is asked for "forme.csv" in a folder holding a subfolder "dati".
struct KeptCase : NamedCase {
    std::vector<std::pair<const char*, const char*>> links; // a link's name, what it holds
    const char* written;  // the regular file that receives the table
    unsigned permissions; // of an earlier file there; 0: there is none
};

class CsvExportKeepTest : public testing::TestWithParam<KeptCase> {};

TEST_P(CsvExportKeepTest, KeepsTheLinksAndTheEarlierFilesPermissions) {
    const KeptCase& c = GetParam();
    const Module1 m = ManySamples(10);
    ScratchFolder folder;
    fs::create_directory(folder.path() / "dati");
    const fs::path written = folder.path() / c.written;
    const auto permissions = static_cast<fs::perms>(c.permissions);
    if (c.permissions != 0) {
        WriteFile(written, "k,t_s\n1,2\n");
        fs::permissions(written, permissions);
    }
    for (const auto& [name, to] : c.links) {
        fs::create_symlink(to, folder.path() / name);
    }
    ASSERT_EQ(ExportLastPeriodCsv(m, folder.path() / "forme.csv", nullptr).outcome,
              CsvExportOutcome::Written);
    ExpectTableOf(m, ReadTable(written));
    if (c.permissions != 0) {
        EXPECT_EQ(fs::status(written).permissions(), permissions);
    }
    for (const auto& [name, to] : c.links) {
        EXPECT_EQ(fs::read_symlink(folder.path() / name), to) << name;
    }
    EXPECT_TRUE(NoPartFileUnder(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvExportKeepTest,
    testing::Values(
        KeptCase{"PrivateFileStaysPrivate", {}, "forme.csv", 0600},
        KeptCase{"SharedFileStaysShared", {}, "forme.csv", 0664},
        KeptCase{"LinkIsWrittenThrough", {{"forme.csv", "dati/vera.csv"}}, "dati/vera.csv", 0600},
        KeptCase{"LinkToAFileStillToCome", {{"forme.csv", "dati/nuova.csv"}}, "dati/nuova.csv", 0},
        KeptCase{"LinksReadFromTheirOwnFolder",
                 {{"forme.csv", "dati/uno.csv"}, {"dati/uno.csv", "due.csv"}},
                 "dati/due.csv",
                 0640}),
    ByCaseName());

// A pipe cannot be replaced by a file without losing its reader: it is written directly.
TEST(CsvExportTest, WritesIntoAPipeAndLeavesItAPipe) {
    const Module1 m = ManySamples(10);
    ScratchFolder folder;
    const fs::path reference = folder.path() / "riferimento.csv";
    ASSERT_EQ(ExportLastPeriodCsv(m, reference, nullptr).outcome, CsvExportOutcome::Written);
    const fs::path pipe = folder.path() / "tubo";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Opened without waiting for a writer: the table of ten rows fits in the pipe's buffer.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(ExportLastPeriodCsv(m, pipe, nullptr).outcome, CsvExportOutcome::Written);
    std::string received(65536, '\0');
    const ssize_t got = ::read(reader, received.data(), received.size());
    ::close(reader);
    received.resize(static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    EXPECT_EQ(received, Contents(reference));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(NoPartFileUnder(folder.path()));
}

TEST(CsvExportTest, RefusesAnEmptyName) {
    const CsvExportResult result = ExportLastPeriodCsv(ManySamples(10), "", nullptr);
    EXPECT_EQ(result.outcome, CsvExportOutcome::Failed);
    EXPECT_EQ(Utf8(result.message), "Impossibile scrivere il file \"\": il nome non è valido.");
}

struct StemCase : NamedCase {
    double Vi, D, f, L, C, RL;
    std::int32_t N;
    const char* stem;
};

class ProposedFileStemTest : public testing::TestWithParam<StemCase> {};

TEST_P(ProposedFileStemTest, ReadsTheRunInEveryLocale) {
    const StemCase& c = GetParam();
    Module1 m;
    std::tie(m.Vi, m.D, m.f, m.L, m.C, m.RL, m.N) = std::tie(c.Vi, c.D, c.f, c.L, c.C, c.RL, c.N);
    DecimalCommaLocale comma;
    EXPECT_EQ(ProposedFileStem(m), c.stem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProposedFileStemTest,
    testing::Values(StemCase{"WorkedExample", 15, 0.625, 11000, 0.0004, 0.00006, 25, 1000,
                             "forme_d_onda_Vi15V_D62.5pct_f11kHz_L400uH_C60uF_RL25ohm_N1000"},
                    StemCase{"FractionsAndLargeCounts", 3.3, 0.333333333, 250000, 0.0000047,
                             0.00000022, 0.5, 10000000,
                             "forme_d_onda_Vi3.3V_D33.3333pct_f250kHz_L4.7uH_C0.22uF_RL0.5ohm_"
                             "N10000000"}),
    ByCaseName());

} // namespace
