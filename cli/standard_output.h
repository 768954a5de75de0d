#pragma once

#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

// The standard output of a command, checked: what could not be written (a full disk, /dev/full,
// a closed output) is remembered with its cause, so that the command ends with an error and a
// message instead of as done.
//
// One exists, made first thing in main: a standard stream found closed is then held open on
// /dev/null, so that no file the command opens later takes its number and receives what was
// meant for the stream; writing to a closed standard output fails.
class StandardOutput {
public:
    StandardOutput();
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    std::ostream& stream() { return stream_; }

    // Sends what is still held; the message that says why output was lost, when some was.
    std::optional<std::string> flush();

private:
    // Writes to the descriptor in large pieces; the first error stops every later write.
    class Buffer : public std::streambuf {
    public:
        explicit Buffer(bool open);
        std::error_code error() const { return error_; }

    protected:
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        bool drain();

        std::vector<char> held_;
        std::error_code error_;
    };

    Buffer buffer_;
    std::ostream stream_;
};
