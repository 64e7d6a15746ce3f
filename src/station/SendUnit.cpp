// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/SendUnit.h"

#include "station/PrinterSteps.h"
#include "station/ProfileInput.h"

namespace tessaro::station {

UnitResult sendUnit(const PrinterOptions& given, FeedbackOutput output,
                    const link::Cancellation* stop, const SessionMaker& makeSession) {
    PrinterOptions options = given;
    if (!options.profile) {
        options.profile = readProfile(options.file);
    }
    UnitRun run(options, options.yes, output);
    if (const message::Failure failure = run.openLog()) {
        return run.fail(Outcome::FileError, *failure);
    }
    workspace::Workspace ws;
    ws.startUp();
    const ProfileToSend profile = loadProfileToSend(ws, options.file, *options.profile);
    if (profile.said) {
        return run.fail(Outcome::FileError, *profile.said);
    }
    if (!profile.warning.empty()) {
        run.feedback().error(profile.warning);
        run.report().warnings.push_back(profile.warning);
    }
    return withPrinter(
        run, options, ws,
        [&](protocol::PrinterCommands& commands) { return commands.confirmAndSend(options.all); },
        stop, makeSession);
}

} // namespace tessaro::station
