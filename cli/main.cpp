#include "cli/headless_run.h"
#include "cli/report.h"
#include "cli/sweep.h"
#include "core/csv_export.h"
#include "figure/waveform_figure.h"
#include "figure/window_look.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <thread>

// inverter-cli: the design, the verification, the analysis and parameter sweeps of the
// converter without a window, with the same numbers as the windows.

namespace {

// Exit statuses, as scripts and schedulers read them.
constexpr int ExitDone = 0;
constexpr int ExitRefused = 2; // a refused input, or the conduction check's refusal
constexpr int ExitFault = 3;   // a runtime error, or a file that could not be written
constexpr int ExitUsage = 64;  // the command line itself is wrong

// The options of one command: the field texts by option name, the output wanted.
struct CommandOptions {
    std::map<std::string, std::string> fields;
    std::string format = "json";
    std::string csvFile;
    std::string pngFile;
    std::string svgFile;
};

struct SweepOptions {
    std::string param;
    double from = 0;
    double to = 0;
    std::int64_t steps = 0;
    bool logarithmic = false;
    int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::string shard = "0/1";
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void AddFieldOptions(CLI::App& command, const std::vector<FieldOption>& options,
                     CommandOptions& values, bool required) {
    for (const FieldOption& option : options) {
        std::string help = option.help;
        if (option.defaultText) {
            help += std::string(" (predefinito ") + option.defaultText + ")";
        }
        CLI::Option* added =
            command.add_option(std::string("--") + option.name, values.fields[option.name], help);
        // A later repetition wins, so that a script can override a shared set of options.
        added->type_name("TESTO")->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        if (option.defaultText) {
            values.fields[option.name] = option.defaultText;
        } else if (required) {
            added->required();
        }
    }
}

void AddFormatOption(CLI::App& command, std::string& format) {
    command
        .add_option("--format", format,
                    "formato dell'uscita: json (un oggetto) o csv (intestazione e righe)")
        ->check(CLI::IsMember({"json", "csv"}))
        ->type_name("json|csv");
}

CLI::Validator Suffix(const std::string& suffix) {
    return CLI::Validator(
        [suffix](std::string& path) {
            const bool ends =
                path.size() > suffix.size() &&
                std::equal(suffix.rbegin(), suffix.rend(), path.rbegin(), [](char a, char b) {
                    return a == std::tolower(static_cast<unsigned char>(b));
                });
            return ends ? std::string() : "il nome del file deve finire con " + suffix;
        },
        "");
}

void AddFileOptions(CLI::App& command, CommandOptions& values) {
    command
        .add_option("--csv", values.csvFile,
                    "scrive i campioni 1..N dell'ultimo periodo simulato (k,t_s,iL_A,iC_A,"
                    "Vo_V,id_A)")
        ->type_name("FILE");
    CLI::Option* png = command.add_option("--png", values.pngFile,
                                          "scrive la figura delle forme d'onda come immagine PNG");
    CLI::Option* svg =
        command.add_option("--svg", values.svgFile,
                           "scrive la figura delle forme d'onda come immagine vettoriale SVG");
    png->type_name("FILE")->check(Suffix(".png"))->excludes(svg);
    svg->type_name("FILE")->check(Suffix(".svg"));
}

FieldTexts FieldsOf(const std::vector<FieldOption>& options, const CommandOptions& values) {
    FieldTexts fields;
    for (const FieldOption& option : options) {
        fields[option.box] = TextFromUtf8(values.fields.at(option.name));
    }
    return fields;
}

void Write(const Report& report, const std::string& format) {
    if (format == "csv") {
        WriteCsv(std::cout, report);
    } else {
        WriteJson(std::cout, report);
    }
}

int ExitOf(const RunStatus& status) {
    std::cerr << Utf8(status.message) << '\n';
    return status.end == RunEnd::Faulted ? ExitFault : ExitRefused;
}

int Design(const CommandOptions& options) {
    const DesignRun run = RunDesign(FieldsOf(DesignOptions(), options));
    if (run.status.end != RunEnd::Done) {
        return ExitOf(run.status);
    }
    Write(DesignReport(run), options.format);
    return ExitDone;
}

// Qt's own notes about the machine (no runtime folder, no session) are not the user's
// concern: whether the figure was written is told by its result.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << '\n';
    }
}

// The figure is drawn by Qt's Gui module on its offscreen platform, with the windows' fonts.
std::optional<std::string> SaveFigure(const std::string& path, Module1& m) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtQuiet);
    int argc = 1;
    char name[] = "inverter-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    RegisterWindowFonts();
    if (const auto failure = SaveWaveformFigure(QString::fromStdString(path), m, u'.', 1)) {
        return failure->toStdString();
    }
    return std::nullopt;
}

// The files asked for, written from the run's last period; the first failure's message.
std::optional<std::string> WriteFiles(const CommandOptions& options, Module1& m) {
    if (!options.csvFile.empty()) {
        const CsvExportResult result = ExportLastPeriodCsv(m, options.csvFile, nullptr);
        if (result.outcome != CsvExportOutcome::Written) {
            return Utf8(result.message);
        }
    }
    const std::string& figure = options.pngFile.empty() ? options.svgFile : options.pngFile;
    if (!figure.empty()) {
        return SaveFigure(figure, m);
    }
    return std::nullopt;
}

int FilesThenReport(const CommandOptions& options, VerificationRun& run, const Report& report) {
    if (const auto failure = WriteFiles(options, run.m)) {
        std::cerr << *failure << '\n';
        return ExitFault;
    }
    Write(report, options.format);
    return ExitDone;
}

int Verify(const CommandOptions& options) {
    VerificationRun run = RunVerificationHeadless(FieldsOf(VerificationOptions(), options));
    if (run.status.end != RunEnd::Done) {
        return ExitOf(run.status);
    }
    return FilesThenReport(options, run, VerificationReport(run));
}

// Messages of the analysis itself, on the standard error.
class StandardErrorMessages : public MessageBox {
public:
    void MsgBox(const Text& text) override { std::cerr << Utf8(text) << '\n'; }
};

// A design the conduction check refuses is still analysed, with its exact solution: it tells
// why. Its files are not written, as it drew no traces.
int Analyze(const CommandOptions& options) {
    VerificationRun run = RunVerificationHeadless(FieldsOf(VerificationOptions(), options));
    if (run.status.end != RunEnd::Done && run.status.end != RunEnd::NotConducting) {
        return ExitOf(run.status);
    }
    StandardErrorMessages errors;
    ConverterAnalysis analysis;
    if (RunGuarded(errors, [&] { analysis = AnalyseRun(run); })) {
        return ExitFault;
    }
    const Report report = AnalysisReport(run, analysis);
    if (run.status.end == RunEnd::NotConducting) {
        Write(report, options.format);
        return ExitDone;
    }
    return FilesThenReport(options, run, report);
}

// "K/M" with 0 <= K < M.
std::pair<std::int64_t, std::int64_t> ParseShard(const std::string& text) {
    const auto slash = text.find('/');
    try {
        std::size_t used = 0;
        const std::int64_t k = std::stoll(text.substr(0, slash), &used);
        const bool whole = used == slash;
        const std::string total = slash == std::string::npos ? "" : text.substr(slash + 1);
        const std::int64_t m = std::stoll(total, &used);
        if (whole && used == total.size() && k >= 0 && k < m) {
            return {k, m};
        }
    } catch (const std::logic_error&) {
    }
    throw UsageError("--shard vuole K/M con 0 <= K < M, ad es. 0/4: " + text);
}

const FieldOption& SweptOption(const std::string& name) {
    for (const FieldOption& option : VerificationOptions()) {
        if (name == option.name) {
            return option;
        }
    }
    throw UsageError("PARAM deve essere un'opzione di verify senza trattini (vi, d-pct, f-khz, "
                     "l-uh, c-uf, rl, n, np, ni): " +
                     name);
}

// Every field but the swept one needs its option, as in verify.
void RequireFixedFields(const CLI::App& command, const FieldOption& swept) {
    for (const FieldOption& option : VerificationOptions()) {
        const std::string name = std::string("--") + option.name;
        if (&option != &swept && !option.defaultText && command.count(name) == 0) {
            throw UsageError(std::string("manca l'opzione --") + option.name);
        }
    }
}

int Sweep(const CLI::App& command, const CommandOptions& options, const SweepOptions& sweep) {
    const FieldOption& swept = SweptOption(sweep.param);
    RequireFixedFields(command, swept);
    if (sweep.logarithmic && !(sweep.from > 0 && sweep.to > 0)) {
        throw UsageError("con --log FROM e TO devono essere maggiori di zero");
    }
    const auto [shard, shards] = ParseShard(sweep.shard);
    const SweepPlan plan{&swept, sweep.from, sweep.to,  sweep.steps, sweep.logarithmic,
                         shard,  shards,     sweep.jobs};
    RunSweep(plan, FieldsOf(VerificationOptions(), options),
             options.format == "json" ? SweepFormat::Json : SweepFormat::Csv, std::cout);
    return ExitDone;
}

void AddSweepOptions(CLI::App& command, SweepOptions& sweep) {
    command
        .add_option("PARAM", sweep.param,
                    "opzione di verify da variare, senza trattini (l-uh, c-uf, vi, ...)")
        ->required();
    command.add_option("FROM", sweep.from, "primo valore, nell'unità dell'opzione")->required();
    command.add_option("TO", sweep.to, "ultimo valore, nell'unità dell'opzione")->required();
    command.add_option("STEPS", sweep.steps, "numero degli intervalli: STEPS + 1 punti")
        ->required()
        ->check(CLI::Range(std::int64_t{1}, std::int64_t{1} << 40));
    command.add_flag("--log", sweep.logarithmic, "punti in progressione geometrica");
    command.add_option("-j,--jobs", sweep.jobs, "thread di calcolo (predefinito: tutti i core)")
        ->check(CLI::Range(1, 1024));
    command
        .add_option("--shard", sweep.shard,
                    "calcola solo i punti con indice K modulo M (ogni parte con "
                    "l'intestazione), per dividere il lavoro tra più macchine")
        ->type_name("K/M");
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app("inverter-cli: progetto, verifica, analisi e scansioni di parametro del "
                 "convertitore buck-boost invertente, senza finestre. I testi delle opzioni sono "
                 "letti come i campi della finestra (punto decimale).",
                 "inverter-cli");
    app.set_version_flag("--version", "Inverter " CONVERTER_VERSION);
    app.require_subcommand(1);

    CommandOptions design;
    CLI::App* designCommand =
        app.add_subcommand("design", "calcola D, L, C, IDP, IDm, Iim come \"Calcola L , C , "
                                     "IDP, IDm , Iim\"");
    AddFieldOptions(*designCommand, DesignOptions(), design, true);
    AddFormatOption(*designCommand, design.format);

    CommandOptions verify;
    CLI::App* verifyCommand = app.add_subcommand(
        "verify", "simula il convertitore come \"Grafici\" e dà i cinque valori misurati");
    AddFieldOptions(*verifyCommand, VerificationOptions(), verify, true);
    AddFileOptions(*verifyCommand, verify);
    AddFormatOption(*verifyCommand, verify.format);

    CommandOptions analyze;
    CLI::App* analyzeCommand = app.add_subcommand(
        "analyze", "verifica e analisi: sollecitazioni, soluzione esatta, accuratezza, CCM/DCM");
    AddFieldOptions(*analyzeCommand, VerificationOptions(), analyze, true);
    AddFileOptions(*analyzeCommand, analyze);
    AddFormatOption(*analyzeCommand, analyze.format);

    CommandOptions sweepFields;
    sweepFields.format = "csv"; // a table of points
    SweepOptions sweep;
    CLI::App* sweepCommand = app.add_subcommand(
        "sweep", "verifica e analisi per ogni punto di una scansione di un parametro (CSV)");
    AddSweepOptions(*sweepCommand, sweep);
    AddFieldOptions(*sweepCommand, VerificationOptions(), sweepFields, false);
    AddFormatOption(*sweepCommand, sweepFields.format);

    try {
        app.parse(argc, argv);
        if (designCommand->parsed()) {
            return Design(design);
        }
        if (verifyCommand->parsed()) {
            return Verify(verify);
        }
        if (analyzeCommand->parsed()) {
            return Analyze(analyze);
        }
        return Sweep(*sweepCommand, sweepFields, sweep);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        std::cerr << error.what() << "\n\n"
                  << (app.get_subcommands().empty() ? app.help()
                                                    : app.get_subcommands().front()->help());
        return ExitUsage;
    } catch (const UsageError& error) {
        std::cerr << error.what() << "\n\n" << sweepCommand->help();
        return ExitUsage;
    }
}
