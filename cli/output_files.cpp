// The files of one run, prepared one by one and put in place together.
#include "cli/output_files.h"

#include "cli/cli_text.h"
#include "core/csv_export.h"

#include <system_error>
#include <utility>

namespace {

std::string FailureOf(const WholeFile& file, bool picture, const std::error_code& error) {
    const Text reason = FileErrorReason(error);
    return picture ? PictureFailure(file.target(), CliText(reason))
                   : CliText(FileWriteFailure(file.target(), reason));
}

} // namespace

std::optional<std::string> OutputFiles::addTable(const std::filesystem::path& path,
                                                 const Module1& m) {
    auto file = std::make_unique<WholeFile>(path);
    const CsvExportResult result = WriteLastPeriodCsv(m, *file, nullptr);
    if (result.outcome != CsvExportOutcome::Written) {
        return CliText(result.message);
    }
    files_.push_back({std::move(file), false});
    return std::nullopt;
}

std::optional<std::string> OutputFiles::addPicture(const std::filesystem::path& path,
                                                   std::string_view bytes) {
    auto file = std::make_unique<WholeFile>(path);
    if (const std::error_code error = file->writeAll(bytes)) {
        return FailureOf(*file, true, error);
    }
    files_.push_back({std::move(file), true});
    return std::nullopt;
}

std::optional<std::string> OutputFiles::commit() {
    for (const Prepared& prepared : files_) {
        if (const std::error_code error = prepared.file->commit()) {
            return FailureOf(*prepared.file, prepared.picture, error);
        }
    }
    return std::nullopt;
}

std::string PictureFailure(const std::filesystem::path& path, const std::string& reason) {
    return CliText("CliFiles",
                   QT_TRANSLATE_NOOP("CliFiles", "Impossibile salvare l'immagine \"%1\": %2"),
                   Utf8(TextFromUtf8(path.native())), reason);
}
