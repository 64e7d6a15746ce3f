// SPDX-License-Identifier: GPL-3.0-or-later
// tessaro-cli: the command-line twin of the Tessaro window.

#include "cli/CompletionTable.h"
#include "cli/DiffCommand.h"
#include "cli/KeysCommand.h"
#include "cli/PortsCommand.h"
#include "cli/PrinterCommand.h"
#include "cli/ProvisionCommand.h"
#include "cli/Refusal.h"
#include "cli/ShowCommand.h"
#include "message/ShownText.h"
#include "station/Outcome.h"
#include "tessaro/Version.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

constexpr int kBadUsage = tessaro::station::kExitUsage;

struct Subcommands {
    CLI::App* show = nullptr;
    CLI::App* ports = nullptr;
    CLI::App* diff = nullptr;
    CLI::App* keys = nullptr;
    CLI::App* provision = nullptr;
    tessaro::cli::PrinterSubcommands printer;
};

struct Options {
    tessaro::cli::ShowOptions show;
    tessaro::cli::DiffOptions diff;
    tessaro::station::PrinterOptions printer;
    tessaro::cli::ProvisionOptions provision;
    bool portsJson = false;
    bool keysJson = false;
};

int run(const Subcommands& commands, const Options& options) {
    const auto& printer = commands.printer;
    const auto& printerOptions = options.printer;
    if (commands.show->parsed()) {
        return tessaro::cli::runShow(options.show);
    }
    if (commands.diff->parsed()) {
        return tessaro::cli::runDiff(options.diff);
    }
    if (commands.keys->parsed()) {
        return tessaro::cli::runKeys(options.keysJson);
    }
    if (commands.ports->parsed()) {
        return tessaro::cli::runPorts(options.portsJson);
    }
    if (commands.provision->parsed()) {
        return tessaro::cli::runProvision(options.provision);
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

// Output that could not be written (a full disk, a closed pipe) is a failure, not a result.
bool outputWritten() {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && std::cout.good() && std::ferror(stdout) == 0) {
        return true;
    }
    std::cerr << "tessaro-cli: cannot write the output: "
              << (error != 0 ? std::strerror(error) : "write error") << std::endl;
    return false;
}

// The arguments no option or subcommand took, from the command line down through the
// subcommands given.
std::vector<std::string> leftOver(const CLI::App& app) {
    std::vector<std::string> left = app.remaining(false);
    for (const CLI::App* command : app.get_subcommands()) {
        const std::vector<std::string> more = leftOver(*command);
        left.insert(left.end(), more.begin(), more.end());
    }
    return left;
}

// Says what was wrong with the command line on stderr, escaped as every diagnostic is: an
// argument may hold any bytes. An argument nothing took is said rather than an option that
// is missing: "--prot COM1" is a misspelt --port. With --json, stdout gets its document.
int refuse(CLI::App& app, const CLI::ParseError& error, const std::vector<std::string>& arguments,
           const Subcommands& commands) {
    const auto said = [&](const CLI::ParseError& shown) {
        const int status = app.exit(shown);
        if (status != 0) {
            const auto& printer = commands.printer;
            tessaro::cli::printParseRefusal(
                app, arguments, shown.what(),
                {printer.detect, printer.send, printer.recover, printer.status});
        }
        return status;
    };
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        if (std::vector<std::string> left = leftOver(app); !left.empty()) {
            std::reverse(left.begin(), left.end()); // the error joins them from the last
            return said(CLI::ExtrasError(left));
        }
    }
    return said(error);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv); // the serial port's notifiers need one
    CLI::App app{"Tessaro: set the power-on defaults of a thermal printer", "tessaro-cli"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "help on every subcommand");
    app.set_version_flag("--version", std::string("tessaro-cli ") + tessaro::kVersion,
                         "print the program's name and version and exit");
    app.failure_message([](const CLI::App* failed, const CLI::Error& error) {
        return tessaro::message::shownText(CLI::FailureMessage::simple(failed, error));
    });

    Options options;
    Subcommands commands;
    commands.show = tessaro::cli::addShowCommand(app, options.show);
    commands.ports = tessaro::cli::addPortsCommand(app, options.portsJson);
    commands.printer = tessaro::cli::addPrinterCommands(app, options.printer);
    commands.diff = tessaro::cli::addDiffCommand(app, options.diff);
    commands.keys = tessaro::cli::addKeysCommand(app, options.keysJson);
    commands.provision = tessaro::cli::addProvisionCommand(app, options.provision);
    tessaro::cli::addCompletionTableOption(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status =
            refuse(app, e, std::vector<std::string>(argv + 1, argv + argc), commands);
        return status == 0 ? 0 : kBadUsage;
    }
    const int status = run(commands, options);
    return outputWritten() ? status : kBadUsage;
}
