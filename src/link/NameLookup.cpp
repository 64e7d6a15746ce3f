// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/NameLookup.h"

#include "link/Cancellation.h"
#include "link/SystemNameResolver.h"
#include "workspace/UniqueFd.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace tessaro::link {
namespace {

// What the lookup thread and its caller share; it lives as long as either holds it.
struct Handover {
    std::mutex mutex;
    ResolvedName answer;
    workspace::UniqueFd ready; // readable once the answer is in
};

ResolvedName ask(const NameResolver& resolver, const std::string& host, int port) {
    try {
        return resolver.resolve(host, port);
    } catch (const std::exception& error) {
        return {{}, message::Message::shown(error.what()), false};
    } catch (...) {
        return {{}, message::Message(message::MessageId::NameLookupFailed), false};
    }
}

void lookUpOnItsOwn(std::shared_ptr<Handover> handover,
                    std::shared_ptr<const NameResolver> resolver, std::string host, int port) {
    ResolvedName answer = ask(*resolver, host, port);
    {
        const std::lock_guard lock(handover->mutex);
        handover->answer = std::move(answer);
    }
    const std::uint64_t one = 1;
    // An event counter cannot overflow with a single increment.
    [[maybe_unused]] const ssize_t written = ::write(handover->ready.get(), &one, sizeof one);
}

} // namespace

EventWait lookUpName(const std::shared_ptr<const NameResolver>& resolver, const std::string& host,
                     int port, Deadline deadline, const Cancellation* stop, ResolvedName& found) {
    if (stop != nullptr && stop->cancelled()) {
        return EventWait::Stopped;
    }
    if (auto numeric = SystemNameResolver::numeric(host, port)) {
        found = std::move(*numeric);
        return EventWait::Ready;
    }
    const auto handover = std::make_shared<Handover>();
    handover->ready.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!handover->ready) {
        found = {
            {},
            message::Message(message::MessageId::SystemError, {message::Part::systemError(errno)}),
            false};
        return EventWait::Failed;
    }
    std::thread lookup;
    try {
        lookup = std::thread(lookUpOnItsOwn, handover, resolver, host, port);
    } catch (const std::system_error& error) {
        found = {{},
                 message::Message(message::MessageId::SystemError,
                                  {message::Part::systemError(error.code().value())}),
                 false};
        return EventWait::Failed;
    }
    const EventWait end = waitForEventsUntil(handover->ready.get(), POLLIN, deadline, stop);
    if (end != EventWait::Ready) {
        if (end == EventWait::Failed) {
            found = {{},
                     message::Message(message::MessageId::SystemError,
                                      {message::Part::systemError(errno)}),
                     false};
        }
        lookup.detach(); // it ends when the resolver answers, whenever that is
        return end;
    }
    lookup.join(); // it has handed its answer over: nothing is left for it to do
    const std::lock_guard lock(handover->mutex);
    found = std::move(handover->answer);
    return EventWait::Ready;
}

} // namespace tessaro::link
