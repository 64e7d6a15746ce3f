// SPDX-License-Identifier: GPL-3.0-or-later
// The telnet framing a serial server's stream needs from the client's side, beyond what the
// device tests drive end to end: 0xFF doubled going out (a send cut inside a doubled one
// included), a stream cut anywhere coming in, option answers that cannot start a loop, the
// com-port option refused, and input no server should send.

#include "link/TelnetCodec.h"

#include "support/Bytes.h"

#include <gtest/gtest.h>
#include <random>

namespace tessaro::link {
namespace {

using namespace telnet;
using test::bytes;

// However much of an escaped write the socket takes, the bytes counted as taken are those
// sent, with at most the second half of one doubled 0xFF left to send. (The requests a client
// opens with are the device's test: the scripted server waits for them.)
TEST(TelnetCodec, EncodesEveryFFDoubledAndASendCutShortTakesTheBytesWhoseEncodingWentOut) {
    EXPECT_EQ(TelnetCodec::comPort(SET_BAUDRATE, TelnetCodec::speedValue(0x0001FF00)),
              bytes({IAC, SB, 44, 1, 0x00, 0x01, 0xFF, 0xFF, 0x00, IAC, SE}));
    EXPECT_EQ(TelnetCodec::escape(bytes({'a', 0xFF, 0, 0xFF})),
              bytes({'a', 0xFF, 0xFF, 0, 0xFF, 0xFF}));
    const std::string data = bytes({'a', 0xFF, 0xFF, 'b', 0xFF});
    const std::string wire = TelnetCodec::escape(data);
    for (std::size_t sent = 0; sent <= wire.size(); ++sent) {
        const TelnetCodec::Sent gone = TelnetCodec::sentOf(data, sent);
        EXPECT_EQ(wire.substr(0, sent) + (gone.split ? bytes({IAC}) : ""),
                  TelnetCodec::escape(data.substr(0, gone.taken)))
            << "sent " << sent;
        EXPECT_EQ(gone.taken > 0, sent > 0) << "sent " << sent;
    }
}

// Data, 0xFF, CR NUL, commands and a reply with 0xFF in its value, cut in two at every point.
TEST(TelnetCodec, DecodesTheSameWhereverTheStreamIsCut) {
    const std::string stream =
        bytes({'a', IAC, IAC, '\r', 0,   IAC, NOP, 'b', IAC,  SB,   44,   101,  0,   1,  IAC, IAC,
               0,   IAC, SE,  IAC,  IAC, IAC, IAC, IAC, WILL, ECHO, '\r', '\n', IAC, GA, 'c'});
    const std::string data = bytes({'a', 0xFF, '\r', 0, 'b', 0xFF, 0xFF, '\r', '\n', 'c'});
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        TelnetCodec codec;
        std::string out;
        codec.decode(stream.substr(0, cut), out);
        std::string answers = codec.takeAnswers();
        codec.decode(stream.substr(cut), out);
        answers += codec.takeAnswers();
        EXPECT_EQ(out, data) << "cut at " << cut;
        EXPECT_EQ(answers, bytes({IAC, DONT, ECHO})) << "cut at " << cut;
        EXPECT_EQ(codec.replies().speed, 0x0001FF00u) << "cut at " << cut;
    }
}

TEST(TelnetCodec, AgreesToItsOwnOptionsOnceAndRefusesTheRest) {
    TelnetCodec codec;
    (void)codec.startNegotiation();
    std::string data;
    // The server's agreements to what was asked are not answered.
    codec.decode(bytes({IAC, DO, 44, IAC, DO, 0, IAC, WILL, 0, IAC, DO, 3, IAC, WILL, 3}), data);
    EXPECT_EQ(codec.takeAnswers(), "");
    EXPECT_TRUE(codec.comPortAgreed());
    codec.decode(bytes({IAC, WILL, ECHO, IAC, DO, ECHO, IAC, DO, 99, IAC, WILL, 44}), data);
    EXPECT_EQ(codec.takeAnswers(),
              bytes({IAC, DONT, ECHO, IAC, WONT, ECHO, IAC, WONT, 99, IAC, DONT, 44}));
    // An option given up is confirmed once; confirmations of what stands are not answered.
    codec.decode(bytes({IAC, WONT, 0, IAC, WONT, 0, IAC, DONT, ECHO, IAC, WONT, ECHO}), data);
    EXPECT_EQ(codec.takeAnswers(), bytes({IAC, DONT, 0}));
    EXPECT_FALSE(codec.comPortRefused());
    codec.decode(bytes({IAC, DONT, 44}), data);
    EXPECT_TRUE(codec.comPortRefused());
    // The server asking first is agreed to once.
    TelnetCodec fresh;
    fresh.decode(bytes({IAC, WILL, 3, IAC, WILL, 3, IAC, DO, 0, IAC, DO, 0}), data);
    EXPECT_EQ(fresh.takeAnswers(), bytes({IAC, DO, 3, IAC, WILL, 0}));
    EXPECT_EQ(data, "");
}

// A server that answers every request and every answer with its agreement would keep a codec
// that answered agreements talking for ever.
TEST(TelnetCodec, AServerAgreeingToEverythingEndsTheNegotiationAtOnce) {
    TelnetCodec codec;
    std::string sent = codec.startNegotiation() + bytes({IAC, WONT, ECHO});
    int rounds = 0;
    for (; !sent.empty() && rounds < 10; ++rounds) {
        std::string agreed;
        std::string data;
        for (std::size_t i = 0; i + 2 < sent.size(); i += 3) {
            const auto verb = static_cast<std::uint8_t>(sent[i + 1]);
            agreed += bytes({IAC,
                             verb == WILL   ? DO
                             : verb == DO   ? WILL
                             : verb == WONT ? DONT
                                            : WONT,
                             static_cast<std::uint8_t>(sent[i + 2])});
        }
        codec.decode(agreed, data);
        sent = codec.takeAnswers();
    }
    EXPECT_EQ(rounds, 1);
}

TEST(TelnetCodec, StrayAndRandomBytesDoNoHarm) {
    TelnetCodec codec;
    std::string data;
    // An SE without SB, IAC before a byte that is no command, a subnegotiation cut short by
    // a request (which still counts).
    codec.decode(bytes({'a', IAC, SE, 'b', IAC, 17, 'c', IAC, SB, 44, 101, 0, IAC, WILL, 1, 'd'}),
                 data);
    EXPECT_EQ(data, "abcd");
    EXPECT_EQ(codec.takeAnswers(), bytes({IAC, DONT, ECHO}));
    EXPECT_EQ(codec.replies().speed, std::nullopt);

    std::mt19937 random(2217);
    for (int round = 0; round < 2000; ++round) {
        std::string noise(random() % 40, '\0');
        for (char& byte : noise) { // mostly commands, so that every state is reached
            byte = static_cast<char>(random() % 2 ? 240 + random() % 16 : random() % 256);
        }
        std::string out;
        codec.decode(noise, out);
        EXPECT_LE(out.size(), noise.size());
        const std::string answers = codec.takeAnswers();
        ASSERT_EQ(answers.size() % 3, 0u);
        for (std::size_t i = 0; i < answers.size(); i += 3) {
            EXPECT_EQ(answers[i], static_cast<char>(IAC));
            EXPECT_GE(static_cast<std::uint8_t>(answers[i + 1]), WILL);
        }
    }
}

} // namespace
} // namespace tessaro::link
