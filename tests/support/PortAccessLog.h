// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test doubles around the parallel link: a port that plays back scripted register values and
// writes every access down in order ("P408 R37A:FF W37A:84": BIOS read, register read with
// the value it gave, register write), a printer endpoint with a reply to hand out, and the
// driver on the virtual printer's side of the port with such an endpoint.

#include "link/ParallelWinIO.h"
#include "link/PortIO.h"
#include "link/VirtualClock.h"
#include "sim/PrinterEndpoint.h"
#include "sim/VirtualParallelPort.h"
#include "support/FeedbackRecorder.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <string>

namespace tessaro::test {

class PortAccessLog final : public link::PortIO {
  public:
    explicit PortAccessLog(link::VirtualClock& clock) : clock_(clock) {}

    bool initialize() override { return initializeResult; }
    void shutdown() override { ++shutdownCalls; }
    std::uint8_t getPortVal(std::uint32_t address) override {
        std::uint8_t value = 0xFF;
        if (auto& queue = script[address]; !queue.empty()) {
            value = queue.front();
            queue.pop_front();
        }
        note('R', address, value);
        return value;
    }
    void setPortVal(std::uint32_t address, std::uint8_t value) override {
        note('W', address, value);
    }
    bool getPhysLong(std::uint32_t address, std::uint32_t& value) override {
        note('P', address, std::nullopt);
        const auto found = bios.find(address);
        value = found == bios.end() ? 0 : found->second;
        return found != bios.end();
    }

    // The accesses since the last take.
    std::string take() {
        std::string taken = trace_.empty() ? "" : trace_.substr(1);
        trace_.clear();
        return taken;
    }

    // A register reads its script first, then 0xFF.
    std::map<std::uint32_t, std::deque<std::uint8_t>> script;
    std::map<std::uint32_t, std::uint32_t> bios; // the readable physical addresses
    bool initializeResult = true;
    int shutdownCalls = 0;

  private:
    void note(char kind, std::uint32_t address, std::optional<std::uint8_t> value) {
        char text[24];
        if (value) {
            clock_.advance(link::Micros(10)); // what a register access costs
            std::snprintf(text, sizeof text, " %c%X:%02X", kind, address, unsigned{*value});
        } else {
            std::snprintf(text, sizeof text, " %c%X", kind, address);
        }
        trace_ += text;
    }

    link::VirtualClock& clock_;
    std::string trace_;
};

class FakeEndpoint final : public sim::PrinterEndpoint {
  public:
    void receive(std::string_view bytes) override { received += bytes; }
    std::size_t replyReady() override { return endless ? 1 : reply.size(); }
    std::string takeReply(std::size_t max) override {
        std::string out = endless ? std::string(max, 'x') : reply.substr(0, max);
        reply.erase(0, out.size());
        return out;
    }
    std::string received;
    std::string reply;
    bool endless = false; // a reply of 'x' without end instead
};

struct VirtualLpt {
    explicit VirtualLpt(sim::VirtualParallelPort::Options options = {})
        : port(endpoint, clock, options) {}

    link::VirtualClock clock;
    FakeEndpoint endpoint;
    FeedbackRecorder feedback;
    sim::VirtualParallelPort port;
    link::ParallelWinIO driver{port, clock, feedback};
};

} // namespace tessaro::test
