// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlFactory.h"

#include "app/FittedWidgets.h"
#include "app/TableText.h"
#include "workspace/Encoding.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSlider>
#include <array>
#include <set>
#include <utility>

namespace tessaro::app {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename W> W* named(W* widget, std::string_view name) {
    widget->setObjectName(qs(name));
    return widget;
}

void setTip(QWidget* widget, std::string_view tooltip) {
    if (!tooltip.empty()) {
        widget->setToolTip(catalogueText(tooltip));
    }
}

// The lists of the serial group share its caption and have no label of their own: these are
// for a screen reader.
constexpr std::array<std::pair<std::string_view, const char*>, 3> kUnseenLabels{{
    {"serialspeed", QT_TRANSLATE_NOOP("tessaro::app::ControlFactory", "Serial speed")},
    {"serialhandshake", QT_TRANSLATE_NOOP("tessaro::app::ControlFactory", "Handshake")},
    {"irda", QT_TRANSLATE_NOOP("tessaro::app::ControlFactory", "IR mode")},
}};

// A control shows its frame's tooltip when the pointer rests on it; a screen reader reads
// the same text as the control's description.
template <typename W> W* described(W* widget, const workspace::ControlSpec& control) {
    if (const auto frame = workspace::findFrame(control.frame)) {
        const std::string_view tooltip = workspace::frames()[*frame].tooltip;
        if (!tooltip.empty()) {
            widget->setAccessibleDescription(catalogueText(tooltip));
        }
    }
    return widget;
}

// Every caption the sliders of a frame give it, told apart only by where the digits stand:
// a handful stands for thousands of positions.
QStringList sliderCaptions(const workspace::FrameSpec& frame) {
    std::set<QString> shapes;
    for (const workspace::ControlSpec& control : workspace::controls()) {
        if (control.kind != workspace::ControlKind::Slider || control.frame != frame.name) {
            continue;
        }
        for (int v = control.min; v <= control.max; ++v) {
            for (const bool continuousPaper : {false, true}) {
                QString caption = app::sliderCaption(control, v, continuousPaper);
                for (QChar& c : caption) {
                    if (c >= u'1' && c <= u'9') {
                        c = u'0';
                    }
                }
                shapes.insert(std::move(caption));
            }
        }
    }
    return {shapes.begin(), shapes.end()};
}

} // namespace

QGroupBox* ControlFactory::groupBox(const workspace::FrameSpec& frame, QWidget* parent) {
    auto* box =
        named(new FittedGroupBox(catalogueText(frame.designCaption), sliderCaptions(frame), parent),
              frame.name);
    setTip(box, frame.tooltip);
    return box;
}

QLabel* ControlFactory::label(const workspace::FrameSpec& frame, QWidget* parent) {
    auto* label = named(new QLabel(catalogueText(frame.designCaption), parent), frame.name);
    label->setTextFormat(Qt::PlainText);
    setTip(label, frame.tooltip);
    return label;
}

QGroupBox* ControlFactory::optionGroup(workspace::OptionGroup group, QWidget* parent) {
    const QString caption = catalogueText(workspace::optionGroupCaption(group));
    auto* box = named(new FittedGroupBox(caption, {}, parent), workspace::optionGroupFrame(group));
    // Without a name of its own a group box inside another is read by the outer caption.
    box->setAccessibleName(caption);
    return box;
}

QSlider* ControlFactory::slider(const workspace::ControlSpec& control, QWidget* parent) {
    auto* slider = named(new QSlider(Qt::Horizontal, parent), control.key);
    slider->setRange(control.min, control.max);
    slider->setSingleStep(1);
    slider->setPageStep(control.pageStep);
    slider->setTickInterval(control.tickInterval);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(control.factory);
    return described(slider, control);
}

QComboBox* ControlFactory::list(const workspace::ControlSpec& control, QWidget* parent) {
    auto* combo = named(new FittedComboBox(parent), control.key);
    for (const std::string_view entry : control.entries) {
        combo->addItem(catalogueText(entry));
    }
    combo->setCurrentIndex(control.factory);
    return described(combo, control);
}

QLabel* ControlFactory::unseenLabel(const workspace::ControlSpec& control, QWidget* parent) {
    for (const auto& [key, text] : kUnseenLabels) {
        if (key == control.key) {
            auto* label = new QLabel(
                QCoreApplication::translate("tessaro::app::ControlFactory", text), parent);
            label->setObjectName(qs(control.key) + QStringLiteral("Label"));
            label->hide();
            return label;
        }
    }
    return nullptr;
}

QRadioButton* ControlFactory::option(const workspace::ControlSpec& control, QWidget* parent) {
    auto* button = named(new FittedRadioButton(catalogueText(control.text), parent), control.key);
    button->setChecked(control.factory != 0);
    return described(button, control);
}

QCheckBox* ControlFactory::checkBox(const workspace::ControlSpec& control, QWidget* parent) {
    auto* box = named(new QCheckBox(catalogueText(control.text), parent), control.key);
    box->setChecked(control.factory != 0);
    return described(box, control);
}

} // namespace tessaro::app
