// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each frame of the catalogue stands on its tab page. A page has a left and a right
// column and below them an area as wide as the page; frames of one area are stacked in the
// order of the table. The tab itself comes from the catalogue.

#include <optional>
#include <string_view>

namespace tessaro::app {

enum class PageArea { Left, Right, Bottom };
inline constexpr int kPageAreas = 3;

struct FramePlacement {
    std::string_view frame;
    PageArea area = PageArea::Left;
};

// The placement of a frame; none for a frame the table does not know (it then goes to the
// bottom area, so a new catalogue entry is never lost).
std::optional<FramePlacement> placementOf(std::string_view frame);

// The position of a frame in the table: frames of one area are stacked in this order.
int placementOrder(std::string_view frame);

} // namespace tessaro::app
