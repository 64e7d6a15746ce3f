// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StatusProbe.h"

#include "cli/TerminalText.h"
#include "protocol/CommandTable.h"
#include "protocol/Identity.h"

#include <filesystem>
#include <sys/stat.h>

namespace tessaro::cli {
namespace {

// When the directories where the port's device can come and go last changed, in ns (-1 for
// one that is not there): /dev for serial adapters, /dev/usb for USB printers, and the
// directory of a device path given for the port (/dev/serial/by-id/..., a link a test made).
std::vector<std::int64_t> deviceDirectories(const PortChoice& port) {
    std::vector<std::string> directories{"/dev", "/dev/usb"};
    if (!port.device.empty() && port.kind != link::LinkKind::Network) {
        directories.push_back(std::filesystem::path(port.device).parent_path().string());
    }
    std::vector<std::int64_t> changed;
    for (const std::string& directory : directories) {
        struct stat facts {};
        changed.push_back(::stat(directory.c_str(), &facts) == 0
                              ? facts.st_mtim.tv_sec * 1'000'000'000LL + facts.st_mtim.tv_nsec
                              : -1);
    }
    return changed;
}

} // namespace

StatusProbe::StatusProbe(const PrinterOptions& options, FeedbackOutput output,
                         const link::Cancellation* stop, PortResolver resolve)
    : options_(options), output_(output), stop_(stop), resolve_(std::move(resolve)) {}

bool StatusProbe::answered(const UnitResult& result) {
    return result.outcome == Outcome::Ok || result.outcome == Outcome::PrinterFault;
}

UnitResult StatusProbe::ask() {
    UnitRun run(options_, false, output_);
    const auto choice = parsePort(options_.port);
    if (!choice) {
        return run.fail(Outcome::BadUsage, unknownPortText(options_.port));
    }
    if (!port_ || (absent_ && deviceDirectories(*choice) != foundWith_)) {
        foundWith_ = deviceDirectories(*choice);
        port_ = resolve_(*choice);
    }
    PrinterSession session(*port_, run.feedback(), stop_);
    // The port the session settled on: a device path that is one of the system's ports is
    // that port.
    const PortChoice& port = session.port();
    link::SubCom& link = session.link();
    link.settings() = {port.kind, port.number, options_.speed,
                       options_.handshake == "xonxoff" ? 1 : 2};
    describeSession(run.report(), session);
    const std::string failure =
        link.OpenPort(port.number, options_.speed, link.settings().PortHandshake);
    const Outcome opened = failure.empty() ? Outcome::Ok : outcomeOf(link.transport().problem());
    absent_ = opened == Outcome::PortAbsent;
    if (opened != Outcome::Ok) {
        return run.fail(opened, failure);
    }
    link::PortCloser closer(link);
    link.discardInput(); // a byte left from an earlier exchange is not the status
    link.SendString(protocol::kStatusRequest);
    run.feedback().commandSent(protocol::kStatusRequest);
    if (!link.transport().waitForInput(500)) {
        return run.fail(Outcome::NoAnswer,
                        "No reply to the status request on " + oneLine(options_.port));
    }
    std::uint8_t status = link.ReceiveByte();
    if (std::string fault = link.transport().takeFault(); !fault.empty()) {
        return run.fail(Outcome::PortLost, fault);
    }
    run.report().statusByte = status;
    protocol::AffichStatus(status, session.facts());
    const std::string& text = session.facts().PrinterStatusText;
    if (!options_.json) {
        output_.out << text << "\n";
    }
    if (const std::string faults = faultText(status); !faults.empty()) {
        return run.fail(Outcome::PrinterFault,
                        "The printer on " + session.portName() + " reports a fault: " + faults);
    }
    run.report().message = text;
    return run.finish(Outcome::Ok);
}

} // namespace tessaro::cli
