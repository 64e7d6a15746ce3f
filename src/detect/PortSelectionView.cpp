// SPDX-License-Identifier: GPL-3.0-or-later
#include "detect/PortSelectionView.h"

namespace tessaro::detect {

std::optional<link::PortRef> chosenComPort(const PortSelectionView& view, link::Notifier& user) {
    if (const auto n = view.selectedComPort()) {
        return link::PortRef::numbered(link::LinkKind::Serial, *n);
    }
    user.message(link::MessageIcon::Critical, "You must select a serial port");
    return std::nullopt;
}

std::optional<link::PortRef> chosenLptPort(const PortSelectionView& view, link::Notifier& user) {
    if (const auto n = view.selectedLptPort()) {
        return link::PortRef::numbered(link::LinkKind::Parallel, *n);
    }
    user.message(link::MessageIcon::Critical, "You must select a parallel port");
    return std::nullopt;
}

} // namespace tessaro::detect
