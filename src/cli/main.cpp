// tessaro-cli: the command-line twin of the Tessaro window.

#include "cli/PortsCommand.h"
#include "cli/PrinterCommand.h"
#include "cli/ShowCommand.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>

namespace {

constexpr int kBadUsage = 2;

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv); // the serial port's notifiers need one
    CLI::App app{"Tessaro: set the power-on defaults of a thermal printer", "tessaro-cli"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "help on every subcommand");

    tessaro::cli::ShowOptions showOptions;
    CLI::App* show = tessaro::cli::addShowCommand(app, showOptions);
    CLI::App* ports = tessaro::cli::addPortsCommand(app);
    tessaro::cli::PrinterOptions printerOptions;
    const auto printer = tessaro::cli::addPrinterCommands(app, printerOptions);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? 0 : kBadUsage;
    }
    if (show->parsed()) {
        return tessaro::cli::runShow(showOptions);
    }
    if (ports->parsed()) {
        return tessaro::cli::runPorts();
    }
    if (printer.detect->parsed()) {
        return tessaro::cli::runDetect(printerOptions);
    }
    if (printer.send->parsed()) {
        return tessaro::cli::runSend(printerOptions);
    }
    if (printer.recover->parsed()) {
        return tessaro::cli::runRecover(printerOptions);
    }
    if (printer.status->parsed()) {
        return tessaro::cli::runStatus(printerOptions);
    }
    return kBadUsage;
}
