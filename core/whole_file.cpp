// A file written whole or not at all, beside its target, and why a file could not be written.
#include "core/whole_file.h"

#include "core/phrasebook.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

namespace fs = std::filesystem;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// The system gives up after 40 links in a row; so does the search for the links' end.
constexpr int MostLinks = 40;

// The end of the symbolic links from `path` on, followed one by one, so that a link to a file
// that does not exist yet leads to where that file will be created.
std::error_code FollowLinks(fs::path& path) {
    for (int followed = 0; followed < MostLinks; ++followed) {
        struct stat entry {};
        if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) {
            return {};
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error) {
            return error;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Part files beside one target before the folder is taken to be full of them.
constexpr int MostPartFiles = 100;

} // namespace

WholeFile::WholeFile(fs::path target) : target_(std::move(target)) {}

WholeFile::~WholeFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!part_.empty()) {
        ::unlink(part_.c_str());
    }
}

std::error_code WholeFile::open() {
    if (target_.empty()) {
        return std::make_error_code(std::errc::invalid_argument);
    }
    struct stat earlier {};
    const bool exists = ::stat(target_.c_str(), &earlier) == 0;
    if (!exists && errno != ENOENT) {
        return LastError();
    }
    if (exists && S_ISDIR(earlier.st_mode)) {
        return std::make_error_code(std::errc::is_a_directory);
    }
    if (exists && !S_ISREG(earlier.st_mode)) {
        return openDirectly();
    }
    // Renaming over a file needs only the folder's permission: the file's own is asked here.
    if (exists && ::access(target_.c_str(), W_OK) != 0) {
        return LastError();
    }
    replaced_ = target_;
    if (const std::error_code error = FollowLinks(replaced_)) {
        return error;
    }
    return createPart(exists, earlier.st_mode & 0777);
}

std::error_code WholeFile::openDirectly() {
    descriptor_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    return descriptor_ < 0 ? LastError() : std::error_code();
}

// "<file>.<n>.part" for the first n whose file does not exist yet: an unrelated file of that
// name is never overwritten. Beside an earlier file it is private until it has that file's
// permissions.
std::error_code WholeFile::createPart(bool earlierFile, unsigned permissions) {
    for (int n = 0; n < MostPartFiles; ++n) {
        fs::path candidate = replaced_;
        candidate += ".";
        candidate += std::to_string(n);
        candidate += ".part";
        descriptor_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                             earlierFile ? 0600 : 0666);
        if (descriptor_ >= 0) {
            part_ = candidate;
            if (earlierFile) {
                // A file system without permissions (a FAT memory stick) may refuse them: the
                // file is written all the same.
                ::fchmod(descriptor_, permissions);
            }
            return {};
        }
        if (errno != EEXIST) {
            return LastError();
        }
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code WholeFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            return LastError();
        }
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    return {};
}

std::error_code WholeFile::finish() {
    const int closed = ::close(std::exchange(descriptor_, -1));
    return closed == 0 ? std::error_code() : LastError();
}

std::error_code WholeFile::writeAll(std::string_view bytes) {
    std::error_code error = open();
    if (!error) {
        error = write(bytes);
    }
    if (!error) {
        error = finish();
    }
    return error;
}

std::error_code WholeFile::commit() {
    if (part_.empty()) {
        return {};
    }
    if (::rename(part_.c_str(), replaced_.c_str()) != 0) {
        return LastError();
    }
    part_.clear();
    return {};
}

std::error_code WriteWholeFile(const fs::path& target, std::string_view bytes) {
    WholeFile file(target);
    const std::error_code error = file.writeAll(bytes);
    return error ? error : file.commit();
}

Text FileErrorReason(const std::error_code& error) {
    switch (error.default_error_condition().value()) {
    case EACCES:
    case EPERM:
        return Phrase("WholeFile", "permesso negato");
    case ENOENT:
    case ENOTDIR:
        return Phrase("WholeFile", "la cartella non esiste");
    case ENOSPC:
    case EDQUOT:
        return Phrase("WholeFile", "spazio su disco esaurito");
    case EROFS:
        return Phrase("WholeFile", "il disco è di sola lettura");
    case EISDIR:
        return Phrase("WholeFile", "è una cartella");
    case EINVAL:
        return Phrase("WholeFile", "il nome non è valido");
    case ENAMETOOLONG:
        return Phrase("WholeFile", "il nome è troppo lungo");
    case ELOOP:
        return Phrase("WholeFile", "troppi collegamenti simbolici");
    case EEXIST:
        return Phrase("WholeFile", "troppi file temporanei accanto al file");
    case ENXIO:
        return Phrase("WholeFile", "non si può scrivere in questo tipo di file");
    case EFBIG:
        return Phrase("WholeFile", "il file è troppo grande");
    case EIO:
        return Phrase("WholeFile", "errore di lettura o scrittura del disco");
    case EBADF:
        return Phrase("WholeFile", "descrittore chiuso");
    case EPIPE:
        return Phrase("WholeFile", "chi leggeva ha chiuso il collegamento");
    case EMFILE:
    case ENFILE:
        return Phrase("WholeFile", "troppi file aperti");
    case EBUSY:
    case ETXTBSY:
        return Phrase("WholeFile", "il file è in uso");
    }
    return Filled(Phrase("WholeFile", "errore del sistema n. %1"),
                  {TextFromUtf8(std::to_string(error.value()))});
}

Text FileWriteFailure(const fs::path& target, const Text& reason) {
    return Filled(Phrase("WholeFile", "Impossibile scrivere il file \"%1\": %2."),
                  {TextFromUtf8(target.native()), reason});
}
