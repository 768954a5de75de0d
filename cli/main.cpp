#include "cli/headless_run.h"
#include "cli/output_files.h"
#include "cli/part_options.h"
#include "cli/report.h"
#include "cli/standard_output.h"
#include "cli/sweep.h"
#include "cli/usage.h"
#include "figure/waveform_figure.h"
#include "figure/window_look.h"

#include <CLI/CLI.hpp>
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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
constexpr int ExitFault = 3;   // a runtime error, or a file or output that could not be written
constexpr int ExitUsage = 64;  // the command line itself is wrong

// The options of one command: the field texts by option name, the output wanted.
struct CommandOptions {
    std::map<std::string, std::string> fields;
    PartTexts parts;
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
        ->check(OneOf({"json", "csv"}))
        ->type_name("json|csv");
}

void AddFileOptions(CLI::App& command, CommandOptions& values) {
    command
        .add_option("--csv", values.csvFile,
                    "scrive i campioni 1..N dell'ultimo periodo simulato (k,t_s,iL_A,iC_A,"
                    "Vo_V,id_A)")
        ->type_name("FILE")
        ->check(FileName());
    CLI::Option* png = command.add_option("--png", values.pngFile,
                                          "scrive la figura delle forme d'onda come immagine PNG");
    CLI::Option* svg =
        command.add_option("--svg", values.svgFile,
                           "scrive la figura delle forme d'onda come immagine vettoriale SVG");
    png->type_name("FILE")->check(FileSuffix(".png"))->excludes(svg);
    svg->type_name("FILE")->check(FileSuffix(".svg"));
}

FieldTexts FieldsOf(const std::vector<FieldOption>& options, const CommandOptions& values) {
    FieldTexts fields;
    for (const FieldOption& option : options) {
        fields[option.box] = TextFromUtf8(values.fields.at(option.name));
    }
    return fields;
}

// Writes the report and returns `done`; exit 3, with the reason on the standard error, when the
// output could not take all of it.
int Print(StandardOutput& output, const Report& report, const std::string& format, int done) {
    if (format == "csv") {
        WriteCsv(output.stream(), report);
    } else {
        WriteJson(output.stream(), report);
    }
    if (const auto failure = output.flush()) {
        std::cerr << *failure << '\n';
        return ExitFault;
    }
    return done;
}

int ExitOf(const RunStatus& status) {
    std::cerr << Utf8(status.message) << '\n';
    return status.end == RunEnd::Faulted ? ExitFault : ExitRefused;
}

// The real parts given, or the refusal of one, on the standard error.
std::optional<RealParts> PartsOf(const CommandOptions& options) {
    const PartsRead read = ReadParts(options.parts);
    if (read.refusal) {
        std::cerr << *read.refusal << '\n';
        return std::nullopt;
    }
    return read.parts;
}

int Design(const CommandOptions& options, StandardOutput& output) {
    const std::optional<RealParts> parts = PartsOf(options);
    if (!parts) {
        return ExitRefused;
    }
    const DesignRun run = RunDesign(FieldsOf(DesignOptions(), options));
    if (run.status.end != RunEnd::Done) {
        return ExitOf(run.status);
    }
    Report report = DesignReport(run);
    if (parts->any()) {
        AddDesignParts(report["design"], run.m, *parts);
    }
    return Print(output, report, options.format, ExitDone);
}

// Qt's own notes about the machine (no runtime folder, no session) are not the user's
// concern: whether the figure was written is told by its result.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << '\n';
    }
}

// The bytes of the SVG figure: the figure writer writes them to a file of a folder of its own,
// whence they are read.
std::optional<std::string> SvgBytes(Module1& m) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("figura.svg"));
    if (!folder.isValid() || SaveWaveformFigure(path, m, u'.', 1)) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

// The figure's bytes as a PNG or an SVG file, drawn by Qt's Gui module on its offscreen
// platform with the windows' fonts; none when it could not be drawn.
std::optional<std::string> FigureBytes(bool png, Module1& m) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtQuiet);
    int argc = 1;
    char name[] = "inverter-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    RegisterWindowFonts();
    if (!png) {
        return SvgBytes(m);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!RenderWaveformImage(m, u'.', 1).save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

// The files asked for, prepared from the run's last period; the first failure's message. The
// file names are used byte for byte as given.
std::optional<std::string> PrepareFiles(const CommandOptions& options, Module1& m,
                                        OutputFiles& files) {
    const bool png = !options.pngFile.empty();
    const std::string& figure = png ? options.pngFile : options.svgFile;
    if (!figure.empty()) {
        const std::optional<std::string> bytes = FigureBytes(png, m);
        if (!bytes) {
            return PictureFailure(figure, u"il disegno della figura non è riuscito");
        }
        if (auto failure = files.addPicture(figure, *bytes)) {
            return failure;
        }
    }
    if (!options.csvFile.empty()) {
        return files.addTable(options.csvFile, m);
    }
    return std::nullopt;
}

// The files and the report, all or none: the files are put in place once the report is out.
int FilesThenReport(const CommandOptions& options, VerificationRun& run, const Report& report,
                    StandardOutput& output) {
    OutputFiles files;
    if (const auto failure = PrepareFiles(options, run.m, files)) {
        std::cerr << *failure << '\n';
        return ExitFault;
    }
    if (Print(output, report, options.format, ExitDone) != ExitDone) {
        return ExitFault;
    }
    if (const auto failure = files.commit()) {
        std::cerr << *failure << '\n';
        return ExitFault;
    }
    return ExitDone;
}

int Verify(const CommandOptions& options, StandardOutput& output) {
    VerificationRun run = RunVerificationHeadless(FieldsOf(VerificationOptions(), options));
    if (run.status.end != RunEnd::Done) {
        return ExitOf(run.status);
    }
    return FilesThenReport(options, run, VerificationReport(run), output);
}

// Messages of the analysis itself, on the standard error.
class StandardErrorMessages : public MessageBox {
public:
    void MsgBox(const Text& text) override { std::cerr << Utf8(text) << '\n'; }
};

// A design the conduction check refuses, or whose simulation a runtime error ended, is still
// analysed from its circuit, with its exact solution: it tells why, as the window's analysis
// does. Its files are not written, as it drew no traces; a runtime error keeps its exit status.
int Analyze(const CommandOptions& options, StandardOutput& output) {
    const std::optional<RealParts> parts = PartsOf(options);
    if (!parts) {
        return ExitRefused;
    }
    VerificationRun run = RunVerificationHeadless(FieldsOf(VerificationOptions(), options));
    if (!run.checked) {
        return ExitOf(run.status);
    }
    if (run.status.end == RunEnd::Faulted) {
        std::cerr << Utf8(run.status.message) << '\n';
    }
    StandardErrorMessages errors;
    ConverterAnalysis analysis;
    if (RunGuarded(errors, [&] { analysis = AnalyseRun(run); })) {
        return ExitFault;
    }
    Report report = AnalysisReport(run, analysis);
    if (parts->any()) {
        AddRealParts(report["analyze"], CircuitOf(run.m), *parts);
    }
    if (run.status.end != RunEnd::Done) {
        return Print(output, report, options.format,
                     run.status.end == RunEnd::Faulted ? ExitFault : ExitDone);
    }
    return FilesThenReport(options, run, report, output);
}

struct CurveOptions {
    std::string from = "10";
    std::string to = "150";
    std::string points = "50";
};

// The curve's range, or the refusal naming the option: points >= 2, 0 < from < to.
std::optional<std::string> CurveRefusal(const CurveOptions& curve, double& from, double& to,
                                        std::int32_t& points) {
    char* end = nullptr;
    from = std::strtod(curve.from.c_str(), &end);
    if (curve.from.empty() || *end != '\0' || !std::isfinite(from) || !(from > 0)) {
        return "L'opzione --from-pct vuole un numero maggiore di zero: " + curve.from;
    }
    to = std::strtod(curve.to.c_str(), &end);
    if (curve.to.empty() || *end != '\0' || !std::isfinite(to) || !(to > from)) {
        return "L'opzione --to-pct vuole un numero maggiore di --from-pct: " + curve.to;
    }
    const long long count = std::strtoll(curve.points.c_str(), &end, 10);
    if (curve.points.empty() || *end != '\0' || count < 2 || count > 100000) {
        return "L'opzione --points vuole un numero intero da 2 a 100000: " + curve.points;
    }
    points = static_cast<std::int32_t>(count);
    return std::nullopt;
}

// The efficiency against the load of the verified circuit with its parts, as CSV.
int Efficiency(const CommandOptions& options, const CurveOptions& curve, StandardOutput& output) {
    const std::optional<RealParts> parts = PartsOf(options);
    if (!parts) {
        return ExitRefused;
    }
    double from = 0;
    double to = 0;
    std::int32_t points = 0;
    if (const auto refusal = CurveRefusal(curve, from, to, points)) {
        std::cerr << *refusal << '\n';
        return ExitRefused;
    }
    VerificationRun run = RunVerificationHeadless(FieldsOf(VerificationOptions(), options));
    if (!run.checked) {
        return ExitOf(run.status);
    }
    WriteEfficiencyCsv(output.stream(),
                       EfficiencyCurve(CircuitOf(run.m), *parts, from, to, points));
    if (const auto failure = output.flush()) {
        std::cerr << *failure << '\n';
        return ExitFault;
    }
    return ExitDone;
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
    command.add_option("-j,--jobs", sweep.jobs, "thread di calcolo (predefinito: tutti i core)")
        ->transform(WholeNumber(1, 1024));
    command
        .add_option("--shard", sweep.shard,
                    "calcola solo i punti con indice K modulo M (ogni parte con "
                    "l'intestazione), per dividere il lavoro tra più macchine")
        ->type_name("K/M");
}

} // namespace

int main(int argc, char** argv) {
    StandardOutput output;
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
    AddPartOptions(*designCommand, design.parts);
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
    AddPartOptions(*analyzeCommand, analyze.parts);
    AddFileOptions(*analyzeCommand, analyze);
    AddFormatOption(*analyzeCommand, analyze.format);

    CommandOptions efficiency;
    CurveOptions curve;
    CLI::App* efficiencyCommand = app.add_subcommand(
        "efficiency", "rendimento e perdite con i componenti reali al variare del carico (CSV)");
    AddFieldOptions(*efficiencyCommand, VerificationOptions(), efficiency, true);
    AddPartOptions(*efficiencyCommand, efficiency.parts);
    efficiencyCommand->add_option("--from-pct", curve.from, "primo carico, % di quello di RL")
        ->type_name("NUMERO");
    efficiencyCommand->add_option("--to-pct", curve.to, "ultimo carico, % di quello di RL")
        ->type_name("NUMERO");
    efficiencyCommand->add_option("--points", curve.points, "numero dei punti (almeno 2)")
        ->type_name("INTERO");

    CommandOptions sweepFields;
    sweepFields.format = "csv"; // a table of points
    SweepOptions sweep;
    CLI::App* sweepCommand = app.add_subcommand(
        "sweep", "verifica e analisi per ogni punto di una scansione di un parametro (CSV)");
    AddSweepOptions(*sweepCommand, sweep);
    AddFieldOptions(*sweepCommand, VerificationOptions(), sweepFields, false);
    AddPartOptions(*sweepCommand, sweepFields.parts);
    AddFormatOption(*sweepCommand, sweepFields.format);

    try {
        app.parse(argc, argv);
        if (designCommand->parsed()) {
            return Design(design, output);
        }
        if (verifyCommand->parsed()) {
            return Verify(verify, output);
        }
        if (analyzeCommand->parsed()) {
            return Analyze(analyze, output);
        }
        if (efficiencyCommand->parsed()) {
            return Efficiency(efficiency, curve, output);
        }
        return Sweep(*sweepCommand, sweepFields, sweep, output);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        std::cerr << UsageLine(error, app) << '\n';
        return ExitUsage;
    } catch (const UsageError& error) {
        std::cerr << UsageLine("sweep", error.what()) << '\n';
        return ExitUsage;
    }
}
