// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlFactory.h"

#include "app/FittedWidgets.h"
#include "workspace/Encoding.h"

#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <algorithm>
#include <set>
#include <string>

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
        widget->setToolTip(qs(tooltip));
    }
}

// Every caption the sliders of a frame give it, told apart only by where the digits stand:
// a handful stands for thousands of positions.
QStringList sliderCaptions(const workspace::FrameSpec& frame) {
    std::set<std::string> shapes;
    for (const workspace::ControlSpec& control : workspace::controls()) {
        if (control.kind != workspace::ControlKind::Slider || control.frame != frame.name) {
            continue;
        }
        for (int v = control.min; v <= control.max; ++v) {
            for (const bool continuousPaper : {false, true}) {
                std::string caption = workspace::sliderCaption(control, v, continuousPaper);
                std::replace_if(
                    caption.begin(), caption.end(), [](char c) { return c >= '1' && c <= '9'; },
                    '0');
                shapes.insert(std::move(caption));
            }
        }
    }
    QStringList captions;
    for (const std::string& shape : shapes) {
        captions << QString::fromStdString(shape);
    }
    return captions;
}

} // namespace

QGroupBox* ControlFactory::groupBox(const workspace::FrameSpec& frame, QWidget* parent) {
    auto* box = named(new FittedGroupBox(qs(frame.designCaption), sliderCaptions(frame), parent),
                      frame.name);
    setTip(box, frame.tooltip);
    return box;
}

QLabel* ControlFactory::label(const workspace::FrameSpec& frame, QWidget* parent) {
    auto* label = named(new QLabel(qs(frame.designCaption), parent), frame.name);
    label->setTextFormat(Qt::PlainText);
    setTip(label, frame.tooltip);
    return label;
}

QGroupBox* ControlFactory::optionGroup(workspace::OptionGroup group, QWidget* parent) {
    return named(new FittedGroupBox(qs(workspace::optionGroupCaption(group)), {}, parent),
                 workspace::optionGroupFrame(group));
}

QSlider* ControlFactory::slider(const workspace::ControlSpec& control, QWidget* parent) {
    auto* slider = named(new QSlider(Qt::Horizontal, parent), control.key);
    slider->setRange(control.min, control.max);
    slider->setSingleStep(1);
    slider->setPageStep(control.pageStep);
    slider->setTickInterval(control.tickInterval);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(control.factory);
    return slider;
}

QComboBox* ControlFactory::list(const workspace::ControlSpec& control, QWidget* parent) {
    auto* combo = named(new FittedComboBox(parent), control.key);
    for (const std::string_view entry : control.entries) {
        combo->addItem(qs(entry));
    }
    combo->setCurrentIndex(control.factory);
    return combo;
}

QRadioButton* ControlFactory::option(const workspace::ControlSpec& control, QWidget* parent) {
    auto* button = named(new FittedRadioButton(qs(control.text), parent), control.key);
    button->setChecked(control.factory != 0);
    return button;
}

QCheckBox* ControlFactory::checkBox(const workspace::ControlSpec& control, QWidget* parent) {
    auto* box = named(new QCheckBox(qs(control.text), parent), control.key);
    box->setChecked(control.factory != 0);
    return box;
}

} // namespace tessaro::app
