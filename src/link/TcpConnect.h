// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A TCP connection to a host and port made within one deadline for the name lookup and every
// address the name has, ended at once when the operation is cancelled. The connection is
// non-blocking, close-on-exec, and sends small writes at once (TCP_NODELAY).

#include "link/EventWait.h"
#include "link/NameResolver.h"
#include "link/NetworkAddress.h"
#include "link/PortProblem.h"
#include "workspace/UniqueFd.h"

#include <memory>
#include <optional>
#include <string>

namespace tessaro::link {

class Cancellation;

// How long a connect may take in all, the name lookup included.
inline constexpr int kTcpConnectTimeoutMs = 3000;

// The deadline of a connect starting now.
Deadline tcpConnectDeadline();
// "no answer within 3 s".
message::Message tcpNoAnswer();
// Why a wait that did not see its events ended: no answer in time, "stopped", or poll's errno.
message::Message whyTcpWaitEnded(EventWait end);

// Connects to address, its name looked up by resolver (not null), before deadline; stop may
// be null. None, with why, when it cannot: a name that does not resolve sets problem to
// Absent, every other failure leaves problem as the caller preset it.
//
// pinned is the address the operation's first connection reached, which later ones must
// reach again (a name with several addresses, a DNS or DHCP change, a printer restarted
// must not lead the settings to another printer): unset, the first address that connects
// pins it; set, only it is tried, and only while the name still leads there; a later
// connection that cannot reach it is a lost port.
workspace::UniqueFd connectTcp(const std::shared_ptr<const NameResolver>& resolver,
                               const NetworkAddress& address, Deadline deadline,
                               const Cancellation* stop, message::Message& why,
                               PortProblem& problem, std::optional<SocketAddress>& pinned);

} // namespace tessaro::link
