#pragma once
// One kind of printer link: how a port of that kind is opened and closed, how bytes go out
// and how a reply comes back. The link layer (SubCom) drives whichever the link settings
// name; what differs between links is asked of the transport, never tested by its callers.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaro::link {

enum class LinkKind { Serial, Parallel };

class Transport {
  public:
    virtual ~Transport() = default;

    virtual LinkKind kind() const = 0;
    // Opens port n ("" when open, else why not, naming the port and the reason); speed and
    // handshake mean something to a serial link only.
    virtual std::string open(int port, std::string_view speed, int handshake) = 0;
    // Closes after the bytes written have left.
    virtual void close() = 0;
    virtual void write(std::string_view bytes) = 0;
    // A text reply, bounded in time; "" when nothing came.
    virtual std::string readReply() = 0;
    // A one-byte reply, bounded in time.
    virtual std::uint8_t readByte() = 0;
    // Drops whatever arrived unasked.
    virtual void discardInput() {}
    // Why the open port stopped working (an adapter unplugged), once; "" when it did not.
    virtual std::string takeFault() { return {}; }
};

} // namespace tessaro::link
