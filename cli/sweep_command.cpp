// The sweep command of inverter-cli: its arguments, checked, and the sweep they ask for.
#include "cli/sweep_command.h"

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
    throw UsageError("PARAM deve essere un'opzione di verify o di un componente reale senza "
                     "trattini (vi, d-pct, f-khz, l-uh, c-uf, rl, n, np, ni, rds-mohm, vf, ...): " +
                     name);
}

// Every field but the swept one needs its option, as in verify.
void RequireFixedFields(const CLI::App& command, const FieldOption* swept) {
    for (const FieldOption& option : VerificationOptions()) {
        const std::string name = std::string("--") + option.name;
        if (&option != swept && !option.defaultText && command.count(name) == 0) {
            throw UsageError(std::string("manca l'opzione --") + option.name);
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
        throw UsageError("con --log FROM e TO devono essere maggiori di zero");
    }
    const auto [shard, shards] = ParseShard(sweep.shard);
    const SweepPlan plan{swept,       sweptPart,         *parts, sweep.from, sweep.to,
                         sweep.steps, sweep.logarithmic, shard,  shards,     sweep.jobs};
    RunSweep(plan, FieldsOf(VerificationOptions(), options),
             options.format == "json" ? SweepFormat::Json : SweepFormat::Csv, output.stream());
    if (const auto failure = output.flush()) {
        std::cerr << *failure << " La scansione è stata interrotta.\n";
        return ExitFault;
    }
    return ExitDone;
}

void AddSweepOptions(CLI::App& command, SweepOptions& sweep) {
    command
        .add_option("PARAM", sweep.param,
                    "opzione di verify da variare, senza trattini (l-uh, c-uf, vi, ...)")
        ->required();
    command.add_option("FROM", sweep.from, "primo valore, nell'unità dell'opzione")
        ->required()
        ->check(Number());
    command.add_option("TO", sweep.to, "ultimo valore, nell'unità dell'opzione")
        ->required()
        ->check(Number());
    command.add_option("STEPS", sweep.steps, "numero degli intervalli: STEPS + 1 punti")
        ->required()
        ->transform(WholeNumber(1, std::int64_t{1} << 40));
    command.add_flag("--log", sweep.logarithmic, "punti in progressione geometrica");
    AddSplitOptions(command, sweep.jobs, sweep.shard, "i punti");
}
