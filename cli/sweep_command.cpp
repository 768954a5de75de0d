// The sweep command of inverter-cli: its arguments, checked, and the sweep they ask for.
#include "cli/sweep_command.h"

#include "cli/cli_text.h"
#include "cli/sweep.h"
#include "cli/usage.h"

#include <iostream>
#include <utility>

namespace {

// The verification field or the real part that PARAM names.
std::pair<const FieldOption*, const PartEntry*> SweptOption(const std::string& name) {
    for (const FieldOption& option : VerificationOptions()) {
        if (name == option.name) {
            return {&option, nullptr};
        }
    }
    for (const PartEntry& option : PartTable()) {
        if (name == option.name) {
            return {nullptr, &option};
        }
    }
    throw UsageError(
        CliText("CliSweep",
                QT_TRANSLATE_NOOP("CliSweep", "PARAM deve essere un'opzione di verify o di un "
                                              "componente reale senza trattini (vi, d-pct, f-khz, "
                                              "l-uh, c-uf, rl, n, np, ni, rds-mohm, vf, ...): %1"),
                name));
}

std::string Helped(const char* italian) {
    return CliText("CliSweep", italian);
}

// Every field but the swept one needs its option, as in verify.
void RequireFixedFields(const CLI::App& command, const FieldOption* swept) {
    for (const FieldOption& option : VerificationOptions()) {
        const std::string name = std::string("--") + option.name;
        if (&option != swept && !option.defaultText && command.count(name) == 0) {
            throw UsageError(
                CliText("CliUsage", QT_TRANSLATE_NOOP("CliUsage", "manca l'opzione %1"), name));
        }
    }
}

} // namespace

int Sweep(const CLI::App& command, const CommandOptions& options, const SweepOptions& sweep,
          StandardOutput& output) {
    const auto [swept, sweptPart] = SweptOption(sweep.param);
    RequireFixedFields(command, swept);
    const std::optional<RealParts> parts = PartsOf(options);
    if (!parts) {
        return ExitRefused;
    }
    if (sweep.logarithmic && !(sweep.from > 0 && sweep.to > 0)) {
        throw UsageError(CliText(
            "CliSweep",
            QT_TRANSLATE_NOOP("CliSweep", "con --log FROM e TO devono essere maggiori di zero")));
    }
    const auto [shard, shards] = ParseShard(sweep.shard);
    const SweepPlan plan{swept,       sweptPart,         *parts, sweep.from, sweep.to,
                         sweep.steps, sweep.logarithmic, shard,  shards,     sweep.jobs};
    RunSweep(plan, FieldsOf(VerificationOptions(), options),
             options.format == "json" ? SweepFormat::Json : SweepFormat::Csv, output.stream());
    if (const auto failure = output.flush()) {
        std::cerr << CliText("CliSweep",
                             QT_TRANSLATE_NOOP("CliSweep", "%1 La scansione è stata interrotta."),
                             *failure)
                  << '\n';
        return ExitFault;
    }
    return ExitDone;
}

void AddSweepOptions(CLI::App& command, SweepOptions& sweep) {
    command
        .add_option("PARAM", sweep.param,
                    Helped(QT_TRANSLATE_NOOP("CliSweep", "opzione di verify da variare, senza "
                                                         "trattini (l-uh, c-uf, vi, ...)")))
        ->required();
    command
        .add_option("FROM", sweep.from,
                    Helped(QT_TRANSLATE_NOOP("CliSweep", "primo valore, nell'unità dell'opzione")))
        ->required()
        ->check(Number());
    command
        .add_option("TO", sweep.to,
                    Helped(QT_TRANSLATE_NOOP("CliSweep", "ultimo valore, nell'unità dell'opzione")))
        ->required()
        ->check(Number());
    command
        .add_option(
            "STEPS", sweep.steps,
            Helped(QT_TRANSLATE_NOOP("CliSweep", "numero degli intervalli: STEPS + 1 punti")))
        ->required()
        ->transform(WholeNumber(1, std::int64_t{1} << 40));
    command.add_flag("--log", sweep.logarithmic,
                     Helped(QT_TRANSLATE_NOOP("CliSweep", "punti in progressione geometrica")));
    AddSplitOptions(command, sweep.jobs, sweep.shard,
                    Helped(QT_TRANSLATE_NOOP("CliSweep", "i punti")));
}
