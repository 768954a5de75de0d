// The netlist command of inverter-cli: the circuit of verify as a SPICE netlist for ngspice.
#include "cli/netlist_command.h"

#include "cli/cli_text.h"
#include "cli/headless_run.h"
#include "cli/usage.h"
#include "core/whole_file.h"

#include <iostream>

CLI::App* AddNetlistCommand(CLI::App& app, NetlistOptions& options) {
    CLI::App* command = app.add_subcommand(
        "netlist",
        CliText("CliNetlist",
                QT_TRANSLATE_NOOP("CliNetlist", "netlist SPICE del circuito di verify, "
                                                "con i componenti reali (per ngspice)")));
    AddFieldOptions(*command, VerificationOptions(), options.circuit, true);
    AddPartOptions(*command, options.circuit.parts);
    command
        ->add_option("--output", options.outputFile,
                     CliText("CliNetlist",
                             QT_TRANSLATE_NOOP("CliNetlist", "scrive la netlist nel file invece "
                                                             "che sull'uscita standard")))
        ->type_name("FILE")
        ->check(FileName());
    return command;
}

int Netlist(const NetlistOptions& options, StandardOutput& output) {
    const std::optional<RealParts> parts = PartsOf(options.circuit);
    if (!parts) {
        return ExitRefused;
    }
    const NetlistRun run = RunNetlist(FieldsOf(VerificationOptions(), options.circuit), *parts);
    if (run.status.end != RunEnd::Done) {
        return ExitOf(run.status);
    }
    if (!options.outputFile.empty()) {
        if (const std::error_code error = WriteWholeFile(options.outputFile, run.text)) {
            std::cerr << CliText(FileWriteFailure(options.outputFile, FileErrorReason(error)))
                      << '\n';
            return ExitFault;
        }
        return ExitDone;
    }
    output.stream() << run.text;
    if (const auto failure = output.flush()) {
        std::cerr << *failure << '\n';
        return ExitFault;
    }
    return ExitDone;
}
