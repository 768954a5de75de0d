#pragma once

#include "cli/headless_run.h"
#include "cli/part_options.h"
#include "cli/report.h"
#include "cli/standard_output.h"
#include "figure/language.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// What every command of inverter-cli shares: the exit statuses, the options of the fields and
// the real parts, the output format, the report's printing.

// Exit statuses, as scripts and schedulers read them: done; a refused input or the conduction
// check's refusal; a runtime error or a file or output that could not be written; the command
// line itself is wrong.
inline constexpr int ExitDone = 0;
inline constexpr int ExitRefused = 2;
inline constexpr int ExitFault = 3;
inline constexpr int ExitUsage = 64;

// The options of one command: the field texts by option name, the output wanted.
struct CommandOptions {
    std::map<std::string, std::string> fields;
    PartTexts parts;
    std::string format = "json";
    std::string csvFile;
    std::string pngFile;
    std::string svgFile;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The language named by the last --lang of the command line, before or after the command
// ("--lang en" or "--lang=en"); none when no --lang names one.
std::optional<Language> LanguageOnCommandLine(int argc, const char* const* argv);

// The command line with every --lang moved before the command, where the program's own --lang
// takes it: the language may be given anywhere, as users give it.
std::vector<const char*> LanguageFirst(int argc, const char* const* argv);

// The program's --lang, checked as "it" or "en"; the last one given wins.
void AddLanguageOption(CLI::App& app);

// One option per field, "--vi" for Text7; with `required` the fields without a default text
// must be given.
void AddFieldOptions(CLI::App& command, const std::vector<FieldOption>& options,
                     CommandOptions& values, bool required);
void AddFormatOption(CLI::App& command, std::string& format);

FieldTexts FieldsOf(const std::vector<FieldOption>& options, const CommandOptions& values);

// Writes the report and returns `done`; exit 3, with the reason on the standard error, when the
// output could not take all of it.
int Print(StandardOutput& output, const Report& report, const std::string& format, int done);

// The run's message on the standard error, and the exit status of how it ended.
int ExitOf(const RunStatus& status);

// The real parts given, or none after the refusal of one on the standard error.
std::optional<RealParts> PartsOf(const CommandOptions& options);

// The shard "K/M" of --shard, 0 <= K < M; any other text is a UsageError.
std::pair<std::int64_t, std::int64_t> ParseShard(const std::string& text);

// -j (threads, all the cores unless given) and --shard K/M of a command that spreads its `rows`
// ("i punti", in the language in use) over threads and machines.
void AddSplitOptions(CLI::App& command, int& jobs, std::string& shard, const std::string& rows);
