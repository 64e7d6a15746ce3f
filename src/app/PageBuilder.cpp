// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PageBuilder.h"

#include "app/ControlFactory.h"
#include "app/FramePlacement.h"
#include "app/TableText.h"
#include "app/TwoRowTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <tuple>

namespace tessaro::app {
namespace {

namespace ws = workspace;

constexpr int kPageMargin = 4;
constexpr int kColumnSpacing = 4;
constexpr int kBodyMargin = 4;
constexpr int kBodySpacing = 2;

QVBoxLayout* compactColumn(int spacing) {
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

// Group boxes hold little: tight margins leave room for the captions.
QVBoxLayout* compactBody(QWidget* frame) {
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(kBodyMargin, kBodyMargin, kBodyMargin, kBodyMargin);
    layout->setSpacing(kBodySpacing);
    return layout;
}

} // namespace

PageWidgets PageBuilder::build(TwoRowTabWidget& tabs) {
    PageBuilder builder(tabs);
    builder.addFrames();
    for (ws::ControlId id = 0; id < ws::controls().size(); ++id) {
        builder.addControl(id);
    }
    for (FrameSlot& slot : builder.slots_) {
        arrangeOptionGroups(slot);
    }
    for (std::size_t t = 0; t < ws::kTabCount; ++t) {
        builder.area(static_cast<ws::Tab>(t), PageArea::Left)->addStretch(1);
        builder.area(static_cast<ws::Tab>(t), PageArea::Right)->addStretch(1);
    }
    builder.orderForKeyboard();
    return std::move(builder.widgets_);
}

PageBuilder::PageBuilder(TwoRowTabWidget& tabs)
    : slots_(ws::frames().size()), widgets_{std::vector<QWidget*>(ws::frames().size()),
                                            std::vector<QWidget*>(ws::controls().size()),
                                            {}} {
    for (std::size_t t = 0; t < ws::kTabCount; ++t) {
        const auto tab = static_cast<ws::Tab>(t);
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("page%1").arg(t));
        auto* stack = new QVBoxLayout(page);
        stack->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
        stack->setSpacing(kColumnSpacing);
        auto* row = new QHBoxLayout;
        row->setSpacing(kColumnSpacing);
        stack->addLayout(row);
        row->addLayout(area(tab, PageArea::Left) = compactColumn(kColumnSpacing), 1);
        row->addLayout(area(tab, PageArea::Right) = compactColumn(kColumnSpacing), 1);
        stack->addLayout(area(tab, PageArea::Bottom) = compactColumn(kColumnSpacing));
        stack->addStretch(1);
        tabs.addPage(page, tableText("Tabs", ws::tabCaption(tab)));
    }
}

QVBoxLayout*& PageBuilder::area(workspace::Tab tab, PageArea where) {
    return areas_[static_cast<std::size_t>(tab) * kPageAreas + static_cast<std::size_t>(where)];
}

// Frames go in the order of the placement table, so the table alone decides the layout.
void PageBuilder::addFrames() {
    std::vector<std::size_t> order(ws::frames().size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return placementOrder(ws::frames()[a].name) < placementOrder(ws::frames()[b].name);
    });
    for (const std::size_t f : order) {
        addFrame(f);
    }
}

void PageBuilder::addFrame(std::size_t index) {
    const ws::FrameSpec& frame = ws::frames()[index];
    const auto placement = placementOf(frame.name);
    QVBoxLayout* target = area(frame.tab, placement ? placement->area : PageArea::Bottom);
    FrameSlot& slot = slots_[index];
    if (frame.isLabel) {
        slot.body = compactColumn(2);
        slot.frame = ControlFactory::label(frame, nullptr);
        slot.body->addWidget(slot.frame);
        target->addLayout(slot.body);
    } else {
        auto* box = ControlFactory::groupBox(frame, nullptr);
        slot.frame = box;
        slot.body = compactBody(box);
        target->addWidget(box);
    }
    widgets_.frames[index] = slot.frame;
}

void PageBuilder::addControl(ws::ControlId id) {
    const ws::ControlSpec& def = ws::control(id);
    const auto frame = ws::findFrame(def.frame);
    if (!frame) {
        return; // the catalogue names a frame for every control
    }
    FrameSlot& slot = slots_[*frame];
    QWidget* widget = nullptr;
    switch (def.kind) {
    case ws::ControlKind::Slider:
        widget = ControlFactory::slider(def, nullptr);
        slot.body->addWidget(widget);
        break;
    case ws::ControlKind::CheckBox:
        widget = ControlFactory::checkBox(def, nullptr);
        slot.body->addWidget(widget);
        break;
    case ws::ControlKind::List:
        widget = addList(slot, def);
        break;
    case ws::ControlKind::Option:
        widget = addOption(slot, def);
        break;
    }
    widgets_.controls[id] = widget;
}

QWidget* PageBuilder::addList(FrameSlot& slot, const ws::ControlSpec& control) {
    auto* combo = ControlFactory::list(control, nullptr);
    if (auto* label = qobject_cast<QLabel*>(slot.frame)) {
        slot.body->addWidget(combo);
        label->setBuddy(combo); // a screen reader reads the label as the list's
        return combo;
    }
    if (slot.lists == nullptr) {
        slot.lists = new QGridLayout;
        slot.lists->setSpacing(kBodySpacing);
        slot.body->addLayout(slot.lists);
    }
    slot.lists->addWidget(combo, slot.listCount / 2, slot.listCount % 2);
    ++slot.listCount;
    if (QLabel* label = ControlFactory::unseenLabel(control, slot.frame)) {
        label->setBuddy(combo);
    }
    return combo;
}

QWidget* PageBuilder::addOption(FrameSlot& slot, const ws::ControlSpec& control) {
    const auto g = static_cast<std::size_t>(control.group);
    if (slot.groups[g] == nullptr) {
        slot.groups[g] = ControlFactory::optionGroup(control.group, nullptr);
    }
    auto* button = ControlFactory::option(control, slot.groups[g]);
    slot.groupOptions[g].push_back(button);
    return button;
}

void PageBuilder::orderForKeyboard() {
    const auto& frames = ws::frames();
    std::vector<std::size_t> order(frames.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto key = [&frames](std::size_t f) {
        const auto placement = placementOf(frames[f].name);
        return std::tuple(frames[f].tab, placement ? placement->area : PageArea::Bottom,
                          placementOrder(frames[f].name));
    };
    std::stable_sort(order.begin(), order.end(),
                     [&key](std::size_t a, std::size_t b) { return key(a) < key(b); });
    for (const std::size_t f : order) {
        for (ws::ControlId id = 0; id < ws::controls().size(); ++id) {
            if (ws::control(id).frame == frames[f].name && widgets_.controls[id] != nullptr) {
                widgets_.keyboardOrder.push_back(widgets_.controls[id]);
            }
        }
    }
}

// The option groups stand two to a row, their options one below the other; a group left
// alone in the last row takes the whole row and its options stand side by side.
void PageBuilder::arrangeOptionGroups(FrameSlot& slot) {
    std::vector<std::size_t> present;
    for (std::size_t g = 0; g < slot.groups.size(); ++g) {
        if (slot.groups[g] != nullptr) {
            present.push_back(g);
        }
    }
    if (present.empty()) {
        return;
    }
    auto* grid = new QGridLayout;
    grid->setSpacing(kBodySpacing);
    slot.body->addLayout(grid);
    for (std::size_t i = 0; i < present.size(); ++i) {
        const std::size_t g = present[i];
        const bool alone = i + 1 == present.size() && i % 2 == 0;
        QBoxLayout* options = alone ? static_cast<QBoxLayout*>(new QHBoxLayout(slot.groups[g]))
                                    : new QVBoxLayout(slot.groups[g]);
        options->setContentsMargins(kBodyMargin, kBodyMargin, kBodyMargin, kBodyMargin);
        options->setSpacing(kBodySpacing);
        for (QWidget* button : slot.groupOptions[g]) {
            options->addWidget(button);
        }
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2);
        grid->addWidget(slot.groups[g], row, column, 1, alone ? 2 : 1);
    }
}

} // namespace tessaro::app
