#include "core/csv_export.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

constexpr std::string_view Header = "k,t_s,iL_A,iC_A,Vo_V,id_A\n";

// Rows formatted per write: under 300 kB, so that the text is still in the processor's cache
// when the system copies it into the file (several megabytes at once write at half the speed).
constexpr std::int64_t RowsPerWrite = 2048;

// Rows between two questions to the observer: some 10 to 20 ms of work.
constexpr std::int64_t RowsPerReport = 65536;

// The longest shortest-form double is 24 characters ("-2.2250738585072014e-308"); an index
// has at most 10 digits. A row holds an index, five doubles, five commas and a line feed.
constexpr std::size_t LongestIndex = 10;
constexpr std::size_t LongestDouble = 24;
constexpr std::size_t LongestRow = LongestIndex + 5 * LongestDouble + 6;

char* AppendIndex(char* out, std::int64_t value) {
    return std::to_chars(out, out + LongestIndex, value).ptr;
}

// std::to_chars ignores the locale: the decimal separator is always a point.
char* AppendNumber(char* out, double value) {
    *out++ = ',';
    return std::to_chars(out, out + LongestDouble, value).ptr;
}

char* AppendRow(char* out, const Module1& m, std::int64_t k) {
    const auto sample = static_cast<std::size_t>(k);
    out = AppendIndex(out, k);
    out = AppendNumber(out, SampleTime(m, k));
    out = AppendNumber(out, m.iL_t[sample]);
    out = AppendNumber(out, m.iC_t[sample]);
    out = AppendNumber(out, m.Vo_t[sample]);
    out = AppendNumber(out, m.id_t[sample]);
    *out++ = '\n';
    return out;
}

// The rows in slices, the observer asked every RowsPerReport rows and after the last.
CsvExportOutcome WriteRows(const Module1& m, WholeFile& file, SimulationObserver* observer,
                           std::error_code& error) {
    const std::int64_t samples = m.N;
    std::vector<char> slice(static_cast<std::size_t>(RowsPerWrite) * LongestRow);
    for (std::int64_t first = 1; first <= samples; first += RowsPerWrite) {
        const std::int64_t last = std::min(samples, first + RowsPerWrite - 1);
        char* end = slice.data();
        for (std::int64_t k = first; k <= last; ++k) {
            end = AppendRow(end, m, k);
        }
        error = file.write({slice.data(), static_cast<std::size_t>(end - slice.data())});
        if (error) {
            return CsvExportOutcome::Failed;
        }
        const bool report = last % RowsPerReport == 0 || last == samples;
        const double fractionDone = static_cast<double>(last) / static_cast<double>(samples);
        if (report && observer != nullptr && !observer->keepGoing(fractionDone)) {
            return CsvExportOutcome::Cancelled;
        }
    }
    return CsvExportOutcome::Written;
}

bool HoldsPeriod(const Module1& m) {
    const auto reaches = [&m](const std::vector<double>& samples) {
        return samples.size() > static_cast<std::size_t>(m.N);
    };
    return m.N >= 1 && reaches(m.iL_t) && reaches(m.iC_t) && reaches(m.Vo_t) && reaches(m.id_t);
}

CsvExportResult Failure(const std::filesystem::path& target, const Text& reason) {
    return {CsvExportOutcome::Failed, FileWriteFailure(target, reason)};
}

// A number for a file name: at most six significant digits, no trailing zeros.
std::string NameNumber(double value) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return {text, written.ptr};
}

} // namespace

// The simulation's dt = (1 / f) / N is already rounded twice, and k times it would carry that
// rounding multiplied by k into the last rows.
double SampleTime(const Module1& m, std::int64_t k) {
    return static_cast<double>(k) / (static_cast<double>(m.N) * m.f);
}

CsvExportResult WriteLastPeriodCsv(const Module1& m, WholeFile& file,
                                   SimulationObserver* observer) {
    if (!HoldsPeriod(m)) {
        return Failure(file.target(), u"non c'è un periodo simulato da esportare");
    }
    std::error_code error = file.open();
    if (!error) {
        error = file.write(Header);
    }
    if (!error && WriteRows(m, file, observer, error) == CsvExportOutcome::Cancelled) {
        return {CsvExportOutcome::Cancelled, {}};
    }
    if (!error) {
        error = file.finish();
    }
    if (error) {
        return Failure(file.target(), FileErrorReason(error));
    }
    return {CsvExportOutcome::Written, {}};
}

CsvExportResult ExportLastPeriodCsv(const Module1& m, const std::filesystem::path& target,
                                    SimulationObserver* observer) {
    WholeFile file(target);
    const CsvExportResult result = WriteLastPeriodCsv(m, file, observer);
    if (result.outcome != CsvExportOutcome::Written) {
        return result;
    }
    if (const std::error_code error = file.commit()) {
        return Failure(target, FileErrorReason(error));
    }
    return result;
}

std::string ProposedFileStem(const Module1& m) {
    return "forme_d_onda_Vi" + NameNumber(m.Vi) + "V_D" + NameNumber(m.D * 100) + "pct_f" +
           NameNumber(m.f / 1000) + "kHz_L" + NameNumber(m.L * 1000000) + "uH_C" +
           NameNumber(m.C * 1000000) + "uF_RL" + NameNumber(m.RL) + "ohm_N" + std::to_string(m.N);
}
