// The bode command of inverter-cli: its options and its run.
#include "cli/bode_command.h"

#include "cli/cli_text.h"

#include <iostream>

namespace {

// The options' types and helps, in Italian, looked up in the catalogue where they are added.
constexpr const char* Number = QT_TRANSLATE_NOOP("CliBode", "NUMERO");
constexpr const char* Whole = QT_TRANSLATE_NOOP("CliBode", "INTERO");

struct BodeOption {
    const char* name;
    const char* type;
    const char* help;
};

std::string Helped(const char* italian) {
    return CliText("CliBode", italian);
}

const BodeOption BodeOptionTable[] = {
    {"from-hz", Number,
     QT_TRANSLATE_NOOP("CliBode", "prima frequenza dei diagrammi, Hz (predefinito 10)")},
    {"to-hz", Number,
     QT_TRANSLATE_NOOP("CliBode", "ultima frequenza dei diagrammi, Hz (predefinito f/2)")},
    {"points", Whole,
     QT_TRANSLATE_NOOP("CliBode",
                       "numero dei punti, spaziati in scala logaritmica (predefinito 200)")},
    {"vm", Number,
     QT_TRANSLATE_NOOP("CliBode", "ampiezza della rampa del modulatore PWM Vm, V (predefinito 1)")},
    {"compensate", "2|3",
     QT_TRANSLATE_NOOP("CliBode", "sintetizza una rete di compensazione di tipo II o III")},
    {"fc-hz", Number,
     QT_TRANSLATE_NOOP("CliBode",
                       "frequenza di attraversamento dell'anello, Hz (con --compensate)")},
    {"pm-deg", Number, QT_TRANSLATE_NOOP("CliBode", "margine di fase, gradi (con --compensate)")},
    {"r1-kohm", Number,
     QT_TRANSLATE_NOOP("CliBode", "resistenza R1 della rete, kΩ (predefinito 10)")},
    {"fra", Whole,
     QT_TRANSLATE_NOOP(
         "CliBode",
         "punti dell'analisi in frequenza del circuito commutato (FRA), dalla prima frequenza a "
         "f/10 (predefinito 0)")},
};

// The options given, by name: the texts of those that were not given are left out.
BodeTexts GivenTexts(const CLI::App& command, const BodeTexts& texts) {
    BodeTexts given;
    for (const BodeOption& option : BodeOptionTable) {
        if (command.count(std::string("--") + option.name) > 0) {
            given[option.name] = texts.at(option.name);
        }
    }
    return given;
}

} // namespace

CLI::App* AddBodeCommand(CLI::App& app, BodeOptions& options) {
    CLI::App* command = app.add_subcommand(
        "bode", Helped(QT_TRANSLATE_NOOP("CliBode", "diagrammi di Bode del modello mediato, "
                                                    "compensazione dell'anello e FRA del "
                                                    "circuito commutato")));
    AddFieldOptions(*command, VerificationOptions(), options.fields, true);
    AddPartOptions(*command, options.fields.parts);
    for (const BodeOption& option : BodeOptionTable) {
        command
            ->add_option(std::string("--") + option.name, options.texts[option.name],
                         Helped(option.help))
            ->type_name(Helped(option.type))
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    AddFormatOption(*command, options.fields.format);
    return command;
}

int Bode(const CLI::App& command, const BodeOptions& options, StandardOutput& output) {
    const std::optional<RealParts> parts = PartsOf(options.fields);
    if (!parts) {
        return ExitRefused;
    }
    VerificationRun run = RunVerificationHeadless(FieldsOf(VerificationOptions(), options.fields));
    if (!run.checked) {
        return ExitOf(run.status);
    }
    const ConverterCircuit circuit = CircuitOf(run.m);
    const BodeRequestRead read = ReadBodeRequest(GivenTexts(command, options.texts), circuit.f);
    if (read.refusal) {
        std::cerr << *read.refusal << '\n';
        return ExitRefused;
    }
    const Report report = BodeReport(circuit, *parts, read.request);
    if (options.fields.format == "csv") {
        WriteBodeCsv(output.stream(), report);
        if (const auto failure = output.flush()) {
            std::cerr << *failure << '\n';
            return ExitFault;
        }
        return ExitDone;
    }
    return Print(output, report, "json", ExitDone);
}
