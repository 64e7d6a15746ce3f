// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The telnet stream between this program and a serial server, from the client's side: what
// goes out is data with IAC doubled, option requests and com-port commands; what comes in is
// taken apart in pieces of any size into the printer's data bytes, the server's option
// requests (answered here, once each, so that no two ends can bounce agreements back and
// forth) and its com-port replies. No input whatever grows memory past a fixed bound.

#include "link/Rfc2217Options.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::link {

// The line as the server last said it set it.
struct ComPortReplies {
    std::optional<std::uint32_t> speed; // bit/s
    std::optional<std::uint8_t> dataSize;
    std::optional<std::uint8_t> parity;      // telnet::kParityNone ...
    std::optional<std::uint8_t> stopSize;    // telnet::kStopOne ...
    std::optional<std::uint8_t> flowControl; // telnet::kControlNone ...
};

class TelnetCodec {
  public:
    // The longest subnegotiation kept (option and code included); a longer one is dropped.
    static constexpr std::size_t kMaxSubnegotiation = 64;

    // Data as it goes on the wire: every 0xFF doubled.
    static std::string escape(std::string_view data);
    // What a send of the first `sent` bytes of escape(data) took of data: the bytes sent
    // whole, and whether the last of them is a 0xFF whose second IAC has yet to go.
    struct Sent {
        std::size_t taken = 0;
        bool split = false;
    };
    static Sent sentOf(std::string_view data, std::size_t sent);
    // IAC verb option.
    static std::string request(telnet::Command verb, telnet::Option option);
    // IAC SB COM-PORT-OPTION code value IAC SE, 0xFF in the value doubled.
    static std::string comPort(telnet::ComPort code, std::string_view value);
    // A speed as SET-BAUDRATE carries it: four bytes, most significant first.
    static std::string speedValue(std::uint32_t speed);

    // What a client opens with: WILL COM-PORT-OPTION, DO and WILL BINARY, DO and WILL
    // SUPPRESS-GO-AHEAD. The server's agreement to each is then taken without an answer.
    std::string startNegotiation();

    // Takes the next bytes the server sent, cut anywhere: the data bytes among them are
    // appended to data, answers to its option requests wait for takeAnswers(), its
    // com-port replies land in replies().
    void decode(std::string_view bytes, std::string& data);
    // The answers owed to the server since the last call, whole commands only.
    std::string takeAnswers();

    const ComPortReplies& replies() const { return replies_; }
    // The server agreed to take com-port commands (DO COM-PORT-OPTION).
    bool comPortAgreed() const { return ours_[telnet::COM_PORT_OPTION] == Agreement::Yes; }
    // The server refused them (DONT COM-PORT-OPTION), or stopped taking them.
    bool comPortRefused() const { return comPortRefused_; }

  private:
    enum class State { Data, Command, Option, Subnegotiation, SubnegotiationCommand };
    enum class Agreement : std::uint8_t { No, Asked, Yes };

    void command(std::uint8_t byte, std::string& data);
    void keep(char byte);
    void option(std::uint8_t option);
    void endSubnegotiation();
    // Whether this end uses the option (WILL) when asked, and whether the server may (DO).
    static bool weUse(std::uint8_t option);
    static bool theyUse(std::uint8_t option);

    State state_ = State::Data;
    std::uint8_t verb_ = 0;
    std::string subnegotiation_;
    bool overlong_ = false;
    std::array<Agreement, 256> ours_{};   // the options this end uses
    std::array<Agreement, 256> theirs_{}; // the options the server uses
    std::string answers_;
    ComPortReplies replies_;
    bool comPortRefused_ = false;
};

} // namespace tessaro::link
