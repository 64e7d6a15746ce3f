// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

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

} // namespace

QGroupBox* ControlFactory::groupBox(const workspace::FrameSpec& frame, QWidget* parent) {
    auto* box = named(new QGroupBox(qs(frame.designCaption), parent), frame.name);
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
    return named(new QGroupBox(qs(workspace::optionGroupCaption(group)), parent),
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
    auto* combo = named(new QComboBox(parent), control.key);
    for (const std::string_view entry : control.entries) {
        combo->addItem(qs(entry));
    }
    combo->setCurrentIndex(control.factory);
    return combo;
}

QRadioButton* ControlFactory::option(const workspace::ControlSpec& control, QWidget* parent) {
    auto* button = named(new QRadioButton(qs(control.text), parent), control.key);
    button->setChecked(control.factory != 0);
    return button;
}

QCheckBox* ControlFactory::checkBox(const workspace::ControlSpec& control, QWidget* parent) {
    auto* box = named(new QCheckBox(qs(control.text), parent), control.key);
    box->setChecked(control.factory != 0);
    return box;
}

} // namespace tessaro::app
