// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parallel link: an LPT port through the parallel driver. Bytes go out with the
// compatibility handshake, replies come back byte by byte through the reverse channel; a
// read that fails is reported to the user ("LPT1 : BYTE Mode Error").

#include "link/Notifier.h"
#include "link/ParallelWinIO.h"
#include "link/Session.h"
#include "link/Transport.h"
#include "link/tempo.h"

#include <cstddef>

namespace tessaro::link {

class ParallelTransport final : public Transport {
  public:
    // A reply that never sends its terminating zero stops here.
    static constexpr std::size_t kMaxReply = 1024;

    ParallelTransport(ParallelWinIO& parallel, tempo& timing, Notifier& feedback,
                      const LinkSettings& settings)
        : parallel_(parallel), tempo_(timing), feedback_(feedback), settings_(settings) {}

    message::Message panelText(const PortRef& port, std::string_view) const override {
        return message::Message::shown("LPT  " + std::to_string(port.number()));
    }
    std::string resultName(const PortRef& port) const override { return port.spacedName(); }
    // Opens the LPT, then lets the port settle for 10 ms.
    message::Failure open(const PortRef& port, std::string_view speed, int handshake) override;
    void close() override { parallel_.CloseLPT(); }
    bool write(std::string_view bytes) override { return parallel_.CompatibilityWrite(bytes); }
    // The bytes up to and including the terminating zero.
    std::string readReply() override;
    std::optional<std::uint8_t> readByte(int waitMs) override;
    PortProblem problem() const override { return parallel_.OpenProblem; }

    int savingReplyWaitMs() const override { return 100; }
    // Read through the reverse channel, without the read error's report.
    Answer takeAnswer() override;
    int speedCommandPauseMs() const override { return 100; }
    bool needsRedetectionAfterSave() const override { return true; }

  private:
    void reportReadError();

    ParallelWinIO& parallel_;
    tempo& tempo_;
    Notifier& feedback_;
    const LinkSettings& settings_;
};

} // namespace tessaro::link
