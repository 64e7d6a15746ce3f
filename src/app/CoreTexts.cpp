// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CoreTexts.h"

#include "app/DisplayText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>
#include <vector>

namespace tessaro::app {
namespace {

constexpr const char* kContext = "CoreTexts";

// Most particular first: the first pattern that matches the whole text is taken.
constexpr std::array kPatterns{
    // Detection
    QT_TRANSLATE_NOOP("CoreTexts", "%1 found on %2 at %3 bauds"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1 found on %2"),
    QT_TRANSLATE_NOOP("CoreTexts", "No printer found on %1 at %2 bauds"),
    QT_TRANSLATE_NOOP("CoreTexts", "No printer found on %1 at any speed"),
    QT_TRANSLATE_NOOP("CoreTexts", "No printer found on %1"),
    QT_TRANSLATE_NOOP("CoreTexts", "No printer found"),
    QT_TRANSLATE_NOOP("CoreTexts", "No Printer found"),
    QT_TRANSLATE_NOOP("CoreTexts", "NO Printer on %1"),
    // The status bar's port panel: "COM  1 ,  9600 BAUDS "
    QT_TRANSLATE_NOOP("CoreTexts", "%1 ,  %2 BAUDS "),
    QT_TRANSLATE_NOOP("CoreTexts", "Power: 5V"),
    QT_TRANSLATE_NOOP("CoreTexts", "Power: 24V"),
    QT_TRANSLATE_NOOP("CoreTexts", "This port does not exist\n%1"),
    QT_TRANSLATE_NOOP("CoreTexts", "You must select a serial port"),
    QT_TRANSLATE_NOOP("CoreTexts", "You must select a parallel port"),
    QT_TRANSLATE_NOOP("CoreTexts", "Trying to wake-up the printer"),
    QT_TRANSLATE_NOOP("CoreTexts", "Attempting to contact printer on %1 at %2 bauds."),
    QT_TRANSLATE_NOOP("CoreTexts", "Attempting to contact printer on %1."),
    QT_TRANSLATE_NOOP("CoreTexts", "%1\nThe automatic search leaves this port out."),
    // Sending
    QT_TRANSLATE_NOOP("CoreTexts", "Need a Printer Connected\nDetect Printer Please"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1\nNothing was sent."),
    QT_TRANSLATE_NOOP("CoreTexts", "Saving parameters"),
    QT_TRANSLATE_NOOP("CoreTexts", "Parameters saved...   "),
    QT_TRANSLATE_NOOP("CoreTexts", "Saving sequence failed"),
    QT_TRANSLATE_NOOP("CoreTexts", "Saving Sequence Successful !"),
    QT_TRANSLATE_NOOP("CoreTexts", " Saving Sequence Failed\n Please verify that your software "
                                   "revision allow parameters modificaiton"),
    QT_TRANSLATE_NOOP("CoreTexts", "Saving Sequence Failed\nPlease verify that your software "
                                   "revision\nallow parameters modificaiton"),
    QT_TRANSLATE_NOOP("CoreTexts", "Please reboot your printer by powering it down, then up.\n"
                                   "Then, perform a printer detection again..."),
    QT_TRANSLATE_NOOP("CoreTexts", "This will set the modified parameters as printer "
                                   "default.\n\nDo you want to continue?"),
    QT_TRANSLATE_NOOP("CoreTexts", "This will load the factory settings into the workspace\n"
                                   "and transfer them to the printer.\n\nDo you want to "
                                   "continue?"),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "It is not possible to configure the baudrate at 28800 bauds\nif the "
                      "printer chipset is powered on 5V.\n\nAvailable baudrates are: \n"
                      "          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.\n\n"
                      "The baudrate parameter will not be modified."),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "It is not possible to configure the baudrate at 38400 or 115200 "
                      "bauds\nif the printer chipset is powered on 3.3V.\n\nAvailable "
                      "baudrates are: \n          1200, 2400, 4800, 9600, 19200, 28800, "
                      "57600.\n\nThe baudrate parameter will not be modified."),
    // Ports
    QT_TRANSLATE_NOOP("CoreTexts", "%1 : BYTE Mode Error\nPlease check you LPT setup "),
    QT_TRANSLATE_NOOP("CoreTexts", "The LPT ports will be unusable !\nPlease check your LPT "
                                   "port configuration !"),
    QT_TRANSLATE_NOOP("CoreTexts", "LPT Communication Port Error !"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: in use by %2 (process %3)"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: in use by process %2"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: in use by another program"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: already open"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: speed refused"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: no such device"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: no such port"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1: the printer stopped taking data"),
};

struct Pattern {
    const char* source;
    QRegularExpression expression;
};

// "%1 found on %2" becomes ^(.*?) found on (.*?)$; the parts are told apart by the words
// between them.
QRegularExpression expressionOf(const QString& pattern) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QString expression = QStringLiteral("\\A");
    qsizetype at = 0;
    for (auto match = placeholder.globalMatch(pattern); match.hasNext();) {
        const QRegularExpressionMatch part = match.next();
        expression += QRegularExpression::escape(pattern.mid(at, part.capturedStart() - at));
        expression += QStringLiteral("(.*?)");
        at = part.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.mid(at)) + QStringLiteral("\\z");
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> compiled = [] {
        std::vector<Pattern> all;
        for (const char* source : kPatterns) {
            all.push_back({source, expressionOf(QString::fromUtf8(source))});
        }
        return all;
    }();
    return compiled;
}

// Fills "%1".."%9" in one pass, so a part that holds "%2" itself stays as it is.
QString filled(const QString& translation, const QStringList& parts) {
    QString out;
    for (qsizetype i = 0; i < translation.size(); ++i) {
        const QChar c = translation[i];
        if (c == u'%' && i + 1 < translation.size() && translation[i + 1] >= u'1' &&
            translation[i + 1] <= u'9') {
            const auto n = static_cast<qsizetype>(translation[i + 1].unicode() - u'1');
            if (n < parts.size()) {
                out += parts[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString translated(const QString& text, int depth) {
    if (depth > 3) {
        return text;
    }
    // The line the status bar shows while a command is sent comes from the command table.
    const QByteArray source = text.toUtf8();
    if (QString command = QCoreApplication::translate("Commands", source.constData());
        command != text) {
        return command;
    }
    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch match = pattern.expression.match(text);
        if (!match.hasMatch()) {
            continue;
        }
        QStringList parts;
        for (int n = 1; n <= match.lastCapturedIndex(); ++n) {
            parts << translated(match.captured(n), depth + 1);
        }
        return filled(QCoreApplication::translate(kContext, pattern.source), parts);
    }
    return text;
}

} // namespace

QString coreText(std::string_view text) {
    return translated(displayText(text), 0);
}

} // namespace tessaro::app
