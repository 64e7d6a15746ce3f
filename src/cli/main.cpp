// tessaro-cli: the command-line twin of the Tessaro window.

#include "cli/ShowCommand.h"

#include <CLI/CLI.hpp>

namespace {

constexpr int kBadUsage = 2;

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Tessaro: set the power-on defaults of a thermal printer", "tessaro-cli"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "help on every subcommand");

    tessaro::cli::ShowOptions showOptions;
    CLI::App* show = tessaro::cli::addShowCommand(app, showOptions);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e);
        return status == 0 ? 0 : kBadUsage;
    }
    if (show->parsed()) {
        return tessaro::cli::runShow(showOptions);
    }
    return kBadUsage;
}
