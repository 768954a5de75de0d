#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>
#include <vector>

// What the command line accepts of an option's text, and how it tells a line it refuses: in the
// language of every other message, in one line that names the command and points to its help
// rather than printing all of it.

// A file name that ends with `suffix` (".png"), in any case.
CLI::Validator FileSuffix(const std::string& suffix);

// A file name that is not empty.
CLI::Validator FileName();

// One of `words`; the help lists them as a set ("{json,csv}").
CLI::Validator OneOf(const std::vector<std::string>& words);

// A finite number written with a decimal point (1.5, 1E-5).
CLI::Validator Number();

// A whole number from `least` to `most`, also when written with an exponent (1e6): the text is
// rewritten in digits for the option to read, so the check goes in as a transform. The help
// gives the range ("INT in [1 - 1024]").
CLI::Validator WholeNumber(std::int64_t least, std::int64_t most);

// "inverter-cli <command>: <reason> (vedi --help)"; without a command, "inverter-cli: ...". The
// reason is in the language in use.
std::string UsageLine(const std::string& command, const std::string& reason);

// The usage line of the error CLI11 raised while parsing `app`.
std::string UsageLine(const CLI::ParseError& error, const CLI::App& app);
