#include "cli/bode_command.h"
#include "cli/cli_text.h"
#include "cli/command_options.h"
#include "cli/netlist_command.h"
#include "cli/output_files.h"
#include "cli/part_options.h"
#include "cli/sweep_command.h"
#include "cli/tolerance_command.h"
#include "cli/usage.h"
#include "figure/language.h"
#include "figure/waveform_figure.h"
#include "figure/window_look.h"

#include <CLI/CLI.hpp>
#include <QByteArray>
#include <QGuiApplication>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

// inverter-cli: the design, the verification, the analysis and parameter sweeps of the
// converter without a window, with the same numbers as the windows.

namespace {

void AddFileOptions(CLI::App& command, CommandOptions& values) {
    command
        .add_option("--csv", values.csvFile,
                    CliText("Cli", QT_TRANSLATE_NOOP("Cli", "scrive i campioni 1..N dell'ultimo "
                                                            "periodo simulato (k,t_s,iL_A,iC_A,"
                                                            "Vo_V,id_A)")))
        ->type_name("FILE")
        ->check(FileName());
    CLI::Option* png = command.add_option(
        "--png", values.pngFile,
        CliText("Cli", QT_TRANSLATE_NOOP("Cli", "scrive la figura delle forme d'onda come "
                                                "immagine PNG")));
    CLI::Option* svg = command.add_option(
        "--svg", values.svgFile,
        CliText("Cli", QT_TRANSLATE_NOOP("Cli", "scrive la figura delle forme d'onda come "
                                                "immagine vettoriale SVG")));
    png->type_name("FILE")->check(FileSuffix(".png"))->excludes(svg);
    svg->type_name("FILE")->check(FileSuffix(".svg"));
}

int Design(const CommandOptions& options, const std::string& series, StandardOutput& output) {
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
    if (!series.empty()) {
        AddSeriesDesign(report["design"], run.m, *SeriesNamed(series));
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
    const std::optional<QByteArray> bytes =
        WaveformFigureFile(png ? FigureFormat::Png : FigureFormat::Svg, m, u'.', 1);
    if (!bytes) {
        return std::nullopt;
    }
    return bytes->toStdString();
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
            return PictureFailure(
                figure, CliText("Cli", QT_TRANSLATE_NOOP("Cli", "il disegno della figura non "
                                                                "è riuscito")));
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
    void MsgBox(const Text& text) override { std::cerr << CliText(text) << '\n'; }
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
        std::cerr << CliText(run.status.message) << '\n';
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

// The command's description in its help.
std::string Described(const char* italian) {
    return CliText("Cli", italian);
}

} // namespace

int main(int argc, char** argv) {
    StandardOutput output;
    // The language of the help, the messages on the standard error and the reports' sentences,
    // chosen before the help's texts are laid out: --lang wherever it stands, else
    // INVERTER_LANG, the windows' remembered choice or Italian. The reports' keys, headers and
    // tokens stay as they are.
    UseLanguage(ChosenLanguage(LanguageOnCommandLine(argc, argv)));
    CLI::App app(Described(QT_TRANSLATE_NOOP(
                     "Cli", "inverter-cli: progetto, verifica, analisi e scansioni di parametro "
                            "del convertitore buck-boost invertente, senza finestre. I testi delle "
                            "opzioni sono letti come i campi della finestra (punto decimale).")),
                 "inverter-cli");
    app.set_version_flag("--version", "Inverter " CONVERTER_VERSION);
    app.require_subcommand(1);
    AddLanguageOption(app);

    CommandOptions design;
    CLI::App* designCommand = app.add_subcommand(
        "design", Described(QT_TRANSLATE_NOOP("Cli", "calcola D, L, C, IDP, IDm, Iim come "
                                                     "\"Calcola L , C , IDP, IDm , Iim\"")));
    AddFieldOptions(*designCommand, DesignOptions(), design, true);
    AddPartOptions(*designCommand, design.parts);
    AddFormatOption(*designCommand, design.format);
    std::string series;
    designCommand
        ->add_option("--series", series,
                     Described(QT_TRANSLATE_NOOP(
                         "Cli", "riporta L e C alla serie normalizzata IEC 60063 data")))
        ->check(OneOf({"E6", "E12", "E24", "E48", "E96"}))
        ->type_name("E6|E12|E24|E48|E96");

    CommandOptions verify;
    CLI::App* verifyCommand = app.add_subcommand(
        "verify", Described(QT_TRANSLATE_NOOP("Cli", "simula il convertitore come \"Grafici\" e "
                                                     "dà i cinque valori misurati")));
    AddFieldOptions(*verifyCommand, VerificationOptions(), verify, true);
    AddFileOptions(*verifyCommand, verify);
    AddFormatOption(*verifyCommand, verify.format);

    CommandOptions analyze;
    CLI::App* analyzeCommand = app.add_subcommand(
        "analyze", Described(QT_TRANSLATE_NOOP("Cli", "verifica e analisi: sollecitazioni, "
                                                      "soluzione esatta, accuratezza, CCM/DCM")));
    AddFieldOptions(*analyzeCommand, VerificationOptions(), analyze, true);
    AddPartOptions(*analyzeCommand, analyze.parts);
    AddFileOptions(*analyzeCommand, analyze);
    AddFormatOption(*analyzeCommand, analyze.format);

    CommandOptions efficiency;
    CurveOptions curve;
    CLI::App* efficiencyCommand = app.add_subcommand(
        "efficiency",
        Described(QT_TRANSLATE_NOOP("Cli", "rendimento e perdite con i componenti reali al "
                                           "variare del carico (CSV)")));
    AddFieldOptions(*efficiencyCommand, VerificationOptions(), efficiency, true);
    AddPartOptions(*efficiencyCommand, efficiency.parts);
    AddCurveOptions(*efficiencyCommand, curve);

    CommandOptions sweepFields;
    sweepFields.format = "csv"; // a table of points
    SweepOptions sweep;
    CLI::App* sweepCommand = app.add_subcommand(
        "sweep", Described(QT_TRANSLATE_NOOP("Cli", "verifica e analisi per ogni punto di una "
                                                    "scansione di un parametro (CSV)")));
    AddSweepOptions(*sweepCommand, sweep);
    AddFieldOptions(*sweepCommand, VerificationOptions(), sweepFields, false);
    AddPartOptions(*sweepCommand, sweepFields.parts);
    AddFormatOption(*sweepCommand, sweepFields.format);

    CommandOptions toleranceFields;
    toleranceFields.format = "csv"; // a table of rows
    ToleranceOptions tolerance;
    CLI::App* toleranceCommand = app.add_subcommand(
        "tolerance", Described(QT_TRANSLATE_NOOP("Cli", "caso peggiore e Monte Carlo delle "
                                                        "tolleranze, con la resa (CSV)")));
    AddToleranceOptions(*toleranceCommand, tolerance);
    AddFieldOptions(*toleranceCommand, VerificationOptions(), toleranceFields, true);
    AddPartOptions(*toleranceCommand, toleranceFields.parts);
    AddFormatOption(*toleranceCommand, toleranceFields.format);

    BodeOptions bode;
    CLI::App* bodeCommand = AddBodeCommand(app, bode);

    NetlistOptions netlist;
    CLI::App* netlistCommand = AddNetlistCommand(app, netlist);

    try {
        const std::vector<const char*> arguments = LanguageFirst(argc, argv);
        app.parse(static_cast<int>(arguments.size()), arguments.data());
        if (bodeCommand->parsed()) {
            return Bode(*bodeCommand, bode, output);
        }
        if (designCommand->parsed()) {
            return Design(design, series, output);
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
        if (toleranceCommand->parsed()) {
            return Tolerance(*toleranceCommand, toleranceFields, tolerance, output);
        }
        if (netlistCommand->parsed()) {
            return Netlist(netlist, output);
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
        std::cerr << UsageLine(app.get_subcommands().front()->get_name(), error.what()) << '\n';
        return ExitUsage;
    }
}
