// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the four parameter pages from the catalogue: a frame for each catalogue frame,
// placed as FramePlacement says, and inside it the widgets of its controls.

#include "app/FramePlacement.h"
#include "workspace/Catalogue.h"

#include <array>
#include <vector>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace tessaro::app {

class TwoRowTabWidget;

// The widgets by catalogue index; Qt parents own them.
struct PageWidgets {
    std::vector<QWidget*> frames;   // by frame index: a QGroupBox or a QLabel
    std::vector<QWidget*> controls; // by ControlId
    // The controls in the order the Tab key visits them: page by page, on a page the left
    // column, the right one, then the area below, each from top to bottom.
    std::vector<QWidget*> keyboardOrder;
};

class PageBuilder {
  public:
    static PageWidgets build(TwoRowTabWidget& tabs);

  private:
    struct FrameSlot {
        QWidget* frame = nullptr;
        QVBoxLayout* body = nullptr;
        QGridLayout* lists = nullptr; // lists inside a group box, two to a row
        int listCount = 0;
        std::array<QGroupBox*, 4> groups{}; // the option groups, by OptionGroup
        std::array<std::vector<QWidget*>, 4> groupOptions;
    };

    explicit PageBuilder(TwoRowTabWidget& tabs);
    void addFrames();
    void addFrame(std::size_t index);
    void addControl(workspace::ControlId id);
    QWidget* addList(FrameSlot& slot, const workspace::ControlSpec& control);
    QWidget* addOption(FrameSlot& slot, const workspace::ControlSpec& control);
    static void arrangeOptionGroups(FrameSlot& slot);
    void orderForKeyboard();

    QVBoxLayout*& area(workspace::Tab tab, PageArea where);

    std::array<QVBoxLayout*, workspace::kTabCount * kPageAreas> areas_{};
    std::vector<FrameSlot> slots_;
    PageWidgets widgets_;
};

} // namespace tessaro::app
