// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "tessaro/Version.h"

#include <QCommandLineParser>
#include <QFile>

namespace tessaro::app {
namespace {

constexpr int kUsageError = 2;

const char* const kDescription =
    "Set the power-on defaults of small thermal printers: edit a workspace of printer "
    "parameters, save and load .pcf profiles, and send them to the printer.";

// Without an application object the parser cannot know the program's name; the usage line
// names it plainly, as a manual page shows it.
std::string helpText(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return "Usage: tessaro [options] [FILE]\n" + text.section(QLatin1Char('\n'), 1).toStdString();
}

int usageError(std::ostream& err, const QString& error) {
    err << "tessaro: " << error.toStdString() << "\n"
        << "Try 'tessaro --help' for more information.\n";
    return kUsageError;
}

} // namespace

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QFile::decodeName(argv[i]);
    }
    return arguments;
}

CommandLine parseCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("a .pcf profile to load at start-up"),
                                 QStringLiteral("[FILE]"));
    CommandLine command;
    if (!parser.parse(arguments)) {
        command.exitCode = usageError(err, parser.errorText());
    } else if (parser.isSet(help)) {
        out << helpText(parser);
        command.exitCode = 0;
    } else if (parser.isSet(version)) {
        out << "tessaro " << tessaro::kVersion << "\n";
        command.exitCode = 0;
    } else if (parser.positionalArguments().size() > 1) {
        command.exitCode = usageError(err, QStringLiteral("only one FILE can be given."));
    } else if (!parser.positionalArguments().isEmpty()) {
        command.profile = parser.positionalArguments().constFirst();
        if (command.profile.isEmpty()) {
            command.exitCode = usageError(err, QStringLiteral("FILE is an empty name."));
        }
    }
    return command;
}

} // namespace tessaro::app
