// The standard output that remembers why it could not be written.
#include "cli/standard_output.h"

#include "cli/cli_text.h"
#include "core/conversions.h"
#include "core/whole_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Large enough for a report in one write, and for a sweep's rows to leave in few.
constexpr std::size_t HeldBytes = 65536;

bool IsOpen(int descriptor) {
    return ::fcntl(descriptor, F_GETFD) != -1;
}

// Opens /dev/null on every standard stream that is closed, in the order of their numbers: the
// system gives each open the lowest free number. Returns whether the standard output was open.
bool HoldClosedStandardStreams() {
    const bool outputOpen = IsOpen(STDOUT_FILENO);
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (!IsOpen(stream)) {
            ::open("/dev/null", O_RDWR);
        }
    }
    return outputOpen;
}

} // namespace

StandardOutput::Buffer::Buffer(bool open) : held_(HeldBytes) {
    if (!open) {
        error_ = std::make_error_code(std::errc::bad_file_descriptor);
    }
    setp(held_.data(), held_.data() + held_.size());
}

bool StandardOutput::Buffer::drain() {
    const char* next = pbase();
    while (!error_ && next < pptr()) {
        const ssize_t written =
            ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno != EINTR) {
            error_ = {errno, std::generic_category()};
        }
        if (written > 0) {
            next += written;
        }
    }
    setp(held_.data(), held_.data() + held_.size());
    return !error_;
}

StandardOutput::Buffer::int_type StandardOutput::Buffer::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardOutput::Buffer::sync() {
    return drain() ? 0 : -1;
}

StandardOutput::StandardOutput() : buffer_(HoldClosedStandardStreams()), stream_(&buffer_) {}

std::optional<std::string> StandardOutput::flush() {
    stream_.flush();
    if (!buffer_.error()) {
        return std::nullopt;
    }
    return CliText("CliFiles",
                   QT_TRANSLATE_NOOP("CliFiles", "Impossibile scrivere l'uscita standard: %1."),
                   CliText(FileErrorReason(buffer_.error())));
}
