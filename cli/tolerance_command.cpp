// The tolerance command of inverter-cli: its arguments, checked, the rows and the summary.
#include "cli/tolerance_command.h"

#include "cli/cli_text.h"
#include "cli/tolerance_options.h"
#include "cli/tolerance_report.h"
#include "cli/usage.h"

#include <iostream>
#include <limits>

namespace {

std::string Helped(const char* italian) {
    return CliText("CliTolerance", italian);
}

// The limit options, by ToleranceLimit.
struct LimitOption {
    const char* option;
    const char* help;
    double ToleranceOptions::*value;
};

constexpr LimitOption LimitOptions[ToleranceLimitCount] = {
    {"--limit-ripple-il-a", QT_TRANSLATE_NOOP("CliTolerance", "ondulazione massima di iL, A"),
     &ToleranceOptions::rippleIL},
    {"--limit-ripple-vo-mv", QT_TRANSLATE_NOOP("CliTolerance", "ondulazione massima di Vo, mV"),
     &ToleranceOptions::rippleVoMilli},
    {"--limit-vo-band-pct",
     QT_TRANSLATE_NOOP("CliTolerance", "scarto massimo di |Vo| medio, % di quello senza "
                                       "tolleranze"),
     &ToleranceOptions::voBandPercent},
    {"--limit-ipk-a",
     QT_TRANSLATE_NOOP("CliTolerance", "corrente di picco massima dell'interruttore, A"),
     &ToleranceOptions::peakCurrent},
    {"--limit-eff-pct",
     QT_TRANSLATE_NOOP("CliTolerance", "rendimento minimo, % (con i componenti reali)"),
     &ToleranceOptions::efficiencyPercent},
};

ToleranceLimits LimitsOf(const CLI::App& command, const ToleranceOptions& tolerance) {
    std::optional<double> limits[ToleranceLimitCount];
    for (std::size_t l = 0; l < ToleranceLimitCount; ++l) {
        if (command.count(LimitOptions[l].option) > 0) {
            limits[l] = tolerance.*LimitOptions[l].value;
        }
    }
    return {limits[0], limits[1], limits[2], limits[3], limits[4]};
}

int Rows(const ToleranceAnalysis& analysis, const RowSplit& split, StandardOutput& output) {
    WriteToleranceRows(analysis, split, output.stream());
    if (const auto failure = output.flush()) {
        std::cerr << CliText("CliTolerance",
                             QT_TRANSLATE_NOOP("CliTolerance",
                                               "%1 L'analisi delle tolleranze è stata interrotta."),
                             *failure)
                  << '\n';
        return ExitFault;
    }
    return ExitDone;
}

// The problem the options ask for: with neither --worst-case nor --monte-carlo, both.
ToleranceProblem ProblemOf(const CLI::App& command, const ToleranceOptions& tolerance) {
    ToleranceProblem problem;
    SetRowKinds(problem, tolerance.worstCase,
                command.count("--monte-carlo") > 0 ? std::optional(tolerance.samples)
                                                   : std::nullopt);
    problem.distribution = tolerance.distribution == "normal" ? SampleDistribution::Normal
                                                              : SampleDistribution::Uniform;
    problem.seed = static_cast<std::uint64_t>(tolerance.seed);
    problem.limits = LimitsOf(command, tolerance);
    return problem;
}

} // namespace

int Tolerance(const CLI::App& command, const CommandOptions& options,
              const ToleranceOptions& tolerance, StandardOutput& output) {
    const auto [shard, shards] = ParseShard(tolerance.shard);
    const bool json = options.format == "json";
    if (json && shards > 1) {
        throw UsageError(Helped(QT_TRANSLATE_NOOP(
            "CliTolerance", "--format json vuole l'analisi intera, senza --shard")));
    }
    ToleranceProblem problem = ProblemOf(command, tolerance);
    if (const auto refusal = ReadTolerances(tolerance.tolerances, problem.tolerancePercent)) {
        std::cerr << *refusal << '\n';
        return ExitRefused;
    }
    const std::optional<RealParts> parts = PartsOf(options);
    if (!parts) {
        return ExitRefused;
    }
    const VerificationRun run = RunVerificationHeadless(FieldsOf(VerificationOptions(), options));
    if (!run.checked) {
        return ExitOf(run.status);
    }
    problem.circuit = CircuitOf(run.m);
    problem.parts = *parts;
    const ToleranceAnalysis analysis(problem);
    if (json) {
        return Print(output, ToleranceReport(analysis, tolerance.jobs), "json", ExitDone);
    }
    return Rows(analysis, {analysis.rowCount(), shard, shards, tolerance.jobs}, output);
}

void AddToleranceOptions(CLI::App& command, ToleranceOptions& tolerance) {
    command
        .add_option("--tol", tolerance.tolerances,
                    Helped(QT_TRANSLATE_NOOP("CliTolerance",
                                             "tolleranze in %: vi=5,f=2,l=20,c=20,rl=10 e, con i "
                                             "componenti reali, rds=, dcr=, esr=, vf=, rd=")))
        ->required()
        ->type_name(Helped(QT_TRANSLATE_NOOP("CliTolerance", "NOME=%,...")));
    command.add_flag("--worst-case", tolerance.worstCase,
                     Helped(QT_TRANSLATE_NOOP(
                         "CliTolerance", "caso peggiore: tutti i 2^k vertici delle k tolleranze")));
    command
        .add_option("--monte-carlo", tolerance.samples,
                    Helped(QT_TRANSLATE_NOOP("CliTolerance",
                                             "Monte Carlo con N campioni (senza --worst-case né "
                                             "--monte-carlo: entrambi, con 10000 campioni)")))
        ->type_name("N")
        ->transform(WholeNumber(1, std::int64_t{1} << 40));
    command
        .add_option("--seed", tolerance.seed,
                    Helped(QT_TRANSLATE_NOOP("CliTolerance", "seme dei campioni (predefinito 1)")))
        ->transform(WholeNumber(0, std::numeric_limits<std::int64_t>::max()));
    command
        .add_option("--dist", tolerance.distribution,
                    Helped(QT_TRANSLATE_NOOP("CliTolerance",
                                             "distribuzione: uniform (predefinita) o normal (3 "
                                             "sigma alla tolleranza)")))
        ->check(OneOf({"uniform", "normal"}))
        ->type_name("uniform|normal");
    for (const LimitOption& limit : LimitOptions) {
        command.add_option(limit.option, tolerance.*limit.value, Helped(limit.help))
            ->type_name(Helped(QT_TRANSLATE_NOOP("CliTolerance", "NUMERO")))
            ->check(Number());
    }
    AddSplitOptions(command, tolerance.jobs, tolerance.shard,
                    Helped(QT_TRANSLATE_NOOP("CliTolerance", "le righe")));
}
