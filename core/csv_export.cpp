#include "core/csv_export.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
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

// samplesPerSecond is N f, so that the time of sample k within the period, k dt, comes from
// one rounded division of k. The simulation's dt = (1 / f) / N is already rounded twice, and
// k times it would carry that rounding multiplied by k into the last rows.
char* AppendRow(char* out, const Module1& m, std::int64_t k, double samplesPerSecond) {
    const auto sample = static_cast<std::size_t>(k);
    out = AppendIndex(out, k);
    out = AppendNumber(out, static_cast<double>(k) / samplesPerSecond);
    out = AppendNumber(out, m.iL_t[sample]);
    out = AppendNumber(out, m.iC_t[sample]);
    out = AppendNumber(out, m.Vo_t[sample]);
    out = AppendNumber(out, m.id_t[sample]);
    *out++ = '\n';
    return out;
}

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// The table while it is written: a new file of its own beside the target, removed unless it
// has been renamed over the target.
class PartFile {
public:
    PartFile() = default;
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    ~PartFile() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(path_, ignored);
        }
    }

    // "<target>.<n>.part" for the first n whose file does not exist yet: an unrelated file of
    // that name is never overwritten.
    std::error_code create(const std::filesystem::path& target) {
        for (int n = 0; n < 100; ++n) {
            std::filesystem::path candidate = target;
            candidate += ".";
            candidate += std::to_string(n);
            candidate += ".part";
            file_ = std::fopen(candidate.c_str(), "wbx");
            if (file_ != nullptr) {
                path_ = candidate;
                return {};
            }
            if (errno != EEXIST) {
                return LastError();
            }
        }
        return std::make_error_code(std::errc::file_exists);
    }

    std::error_code write(std::string_view bytes) {
        if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            return LastError();
        }
        return {};
    }

    // Closing flushes the last bytes: a full disk may only show here.
    std::error_code close() {
        const int closed = std::fclose(file_);
        file_ = nullptr;
        return closed == 0 ? std::error_code() : LastError();
    }

    std::error_code renameOver(const std::filesystem::path& target) {
        std::error_code error;
        std::filesystem::rename(path_, target, error);
        if (!error) {
            path_.clear();
        }
        return error;
    }

private:
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
};

// The rows in slices, the observer asked every RowsPerReport rows and after the last.
CsvExportOutcome WriteRows(const Module1& m, PartFile& file, SimulationObserver* observer,
                           std::error_code& error) {
    const std::int64_t samples = m.N;
    const double samplesPerSecond = static_cast<double>(m.N) * m.f;
    std::vector<char> slice(static_cast<std::size_t>(RowsPerWrite) * LongestRow);
    for (std::int64_t first = 1; first <= samples; first += RowsPerWrite) {
        const std::int64_t last = std::min(samples, first + RowsPerWrite - 1);
        char* end = slice.data();
        for (std::int64_t k = first; k <= last; ++k) {
            end = AppendRow(end, m, k, samplesPerSecond);
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

Text Reason(const std::error_code& error) {
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return u"permesso negato";
    }
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
        return u"cartella inesistente";
    }
    if (error == std::errc::no_space_on_device) {
        return u"spazio su disco esaurito";
    }
    return TextFromUtf8(error.message());
}

CsvExportResult Failure(const std::filesystem::path& target, const Text& reason) {
    return {CsvExportOutcome::Failed, u"Impossibile scrivere il file \"" +
                                          TextFromUtf8(target.native()) + u"\": " + reason + u"."};
}

// A number for a file name: at most six significant digits, no trailing zeros.
std::string NameNumber(double value) {
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return {text, written.ptr};
}

} // namespace

CsvExportResult ExportLastPeriodCsv(const Module1& m, const std::filesystem::path& target,
                                    SimulationObserver* observer) {
    if (!HoldsPeriod(m)) {
        return Failure(target, u"non c'è un periodo simulato da esportare");
    }
    PartFile file;
    std::error_code error = file.create(target);
    if (!error) {
        error = file.write(Header);
    }
    if (!error && WriteRows(m, file, observer, error) == CsvExportOutcome::Cancelled) {
        return {CsvExportOutcome::Cancelled, {}};
    }
    if (!error) {
        error = file.close();
    }
    if (!error) {
        error = file.renameOver(target);
    }
    if (error) {
        return Failure(target, Reason(error));
    }
    return {CsvExportOutcome::Written, {}};
}

std::string ProposedFileStem(const Module1& m) {
    return "forme_d_onda_Vi" + NameNumber(m.Vi) + "V_D" + NameNumber(m.D * 100) + "pct_f" +
           NameNumber(m.f / 1000) + "kHz_L" + NameNumber(m.L * 1000000) + "uH_C" +
           NameNumber(m.C * 1000000) + "uF_RL" + NameNumber(m.RL) + "ohm_N" + std::to_string(m.N);
}
