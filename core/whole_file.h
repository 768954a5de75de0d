#pragma once

#include "core/conversions.h"

#include <filesystem>
#include <string_view>
#include <system_error>

// A file written whole or not at all, as every file of the tool is written: the bytes go to a
// new file of their own beside the target ("<name>.<n>.part"), which takes the target's place
// only once it is complete, so that a failed or cancelled writing leaves an earlier file as it
// was. Several files are written all or none by finishing each before committing any.
//
// Where the target is a symbolic link, the file it leads to is replaced and the link stays. An
// earlier file keeps its permissions. A target that is not a regular file (a device such as
// /dev/null, a pipe) cannot be replaced by one: it is written directly, as the bytes come. A
// folder, or an earlier file the user may not write, is refused; so is an empty name.
class WholeFile {
public:
    explicit WholeFile(std::filesystem::path target);
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;
    // What was not committed is removed; the target stays as it was.
    ~WholeFile();

    // The target as it was named.
    const std::filesystem::path& target() const { return target_; }

    // Opens the part file, or the target itself when it is written directly.
    std::error_code open();
    std::error_code write(std::string_view bytes);
    // Closes the file: every byte is with the system, and a full disk has shown.
    std::error_code finish();
    // Opens, writes `bytes` and finishes: the file then waits for commit().
    std::error_code writeAll(std::string_view bytes);
    // Puts the finished file in the target's place.
    std::error_code commit();

private:
    std::error_code openDirectly();
    std::error_code createPart(bool earlierFile, unsigned permissions);

    std::filesystem::path target_;
    std::filesystem::path replaced_; // the file the part file replaces: the links' end
    std::filesystem::path part_;     // empty when written directly, or once committed
    int descriptor_ = -1;
};

// Writes `bytes` as the whole file at `target` and puts it in place; the first error, if any,
// and the target then stays as it was.
std::error_code WriteWholeFile(const std::filesystem::path& target, std::string_view bytes);

// Why a file could not be written, in the user's words: every writer gives the same reason for
// the same cause ("la cartella non esiste", "spazio su disco esaurito", ...).
Text FileErrorReason(const std::error_code& error);

// "Impossibile scrivere il file "<target>": <reason>."
Text FileWriteFailure(const std::filesystem::path& target, const Text& reason);
