// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's link to a virtual printer, on a virtual clock: the serial side on COM
// printerPort, the parallel side on LPT1, with the feedback recorded.

#include "link/ParallelWinIO.h"
#include "link/PortMap.h"
#include "link/Session.h"
#include "link/SubCom.h"
#include "link/VirtualClock.h"
#include "link/tempo.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualParallelPort.h"
#include "sim/VirtualSerialControl.h"
#include "support/FeedbackRecorder.h"

#include <memory>
#include <set>
#include <string>

namespace tessaro::test {

struct VirtualRig {
    // COM ports in existingComPorts exist (on /dev/null); the printer sits on printerPort.
    explicit VirtualRig(sim::PrinterConfig config = {}, int printerPort = 1,
                        std::set<int> existingComPorts = {1, 2},
                        sim::VirtualParallelPort::Options lptOptions = {})
        : printer(std::move(config), clock, [this](std::string line) { log.push_back(line); }),
          serial(printer, clock, printerPort), parallelPort(printer, clock, lptOptions),
          ports({}, {},
                [existingComPorts,
                 lptOptions](const std::string& name) -> std::optional<std::string> {
                    for (int n = 1; n <= link::kComPorts; ++n) {
                        if (name == "TESSARO_COM" + std::to_string(n)) {
                            return existingComPorts.count(n) ? "/dev/null" : "";
                        }
                    }
                    // The LPTs the virtual parallel port has a BIOS entry for.
                    for (int n = 1; n <= link::kLptPorts; ++n) {
                        if (name == "TESSARO_LPT" + std::to_string(n)) {
                            return lptOptions.lptBase.at(static_cast<std::size_t>(n - 1)) != 0
                                       ? "virtual"
                                       : "";
                        }
                    }
                    return std::nullopt;
                }),
          parallel(parallelPort, clock, feedback), timing(clock),
          link(session, serial, parallel, timing, feedback, ports) {
        for (int n : existingComPorts) {
            if (n != printerPort) {
                serial.addSilentPort(n);
            }
        }
        parallel.InitDll();
    }

    // A printer found on a serial port, as a detection leaves it.
    void foundOnSerial(int port = 1, std::string speed = "9600", bool chipset5V = true,
                       int powerVolts = 5) {
        settings = {link::PortRef::numbered(link::LinkKind::Serial, port), true, std::move(speed),
                    2};
        facts.PrinterFound = true;
        facts.Chipset5V = chipset5V;
        facts.PowerVolts = powerVolts;
        feedback.panels = {"", "", "", ""};
    }
    void foundOnParallel(int port = 1) {
        foundOnSerial();
        settings.Port = link::PortRef::numbered(link::LinkKind::Parallel, port);
    }

    std::string allWritten() const {
        std::string bytes;
        for (const auto& session : serial.sessions()) {
            bytes += session.written;
        }
        return bytes;
    }

    link::VirtualClock clock;
    std::vector<std::string> log;
    sim::PrinterModel printer;
    sim::VirtualSerialControl serial;
    sim::VirtualParallelPort parallelPort;
    FeedbackRecorder feedback;
    link::PortMap ports;
    link::ParallelWinIO parallel;
    link::tempo timing;
    link::Session session;
    link::LinkSettings& settings = session.link;
    link::PrinterFacts& facts = session.printer;
    link::SubCom link;
};

} // namespace tessaro::test
