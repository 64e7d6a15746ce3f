// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a link kind's transport is made from: the session it serves and the parts the printer
// link owns (the local serial line, the parallel driver, the clock, the port map).

namespace tessaro::link {

class Notifier;
class ParallelWinIO;
class PortMap;
class SerialControl;
class tempo;
struct Session;

struct TransportParts {
    Session& session;
    SerialControl& serial;
    ParallelWinIO& parallel;
    tempo& timing;
    Notifier& feedback;
    const PortMap& ports;
};

} // namespace tessaro::link
