// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/PortSelectionView.h"

namespace tessaro::detect {

std::optional<link::PortRef> chosenComPort(const PortSelectionView& view, link::Notifier& user) {
    if (const auto n = view.selectedComPort()) {
        return link::PortRef::numbered(link::LinkKind::Serial, *n);
    }
    user.say(link::MessageIcon::Critical, {message::MessageId::SelectSerialPort, {}});
    return std::nullopt;
}

std::optional<link::PortRef> chosenLptPort(const PortSelectionView& view, link::Notifier& user) {
    if (const auto n = view.selectedLptPort()) {
        return link::PortRef::numbered(link::LinkKind::Parallel, *n);
    }
    user.say(link::MessageIcon::Critical, {message::MessageId::SelectParallelPort, {}});
    return std::nullopt;
}

} // namespace tessaro::detect
