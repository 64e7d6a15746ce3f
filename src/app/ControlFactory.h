// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Widgets made from catalogue entries: a frame becomes a group box or a label, a control
// its slider, list, option button or check box, each named after its catalogue key.

#include "workspace/Catalogue.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QWidget;

namespace tessaro::app {

class ControlFactory {
  public:
    static QGroupBox* groupBox(const workspace::FrameSpec& frame, QWidget* parent);
    static QLabel* label(const workspace::FrameSpec& frame, QWidget* parent);
    // The inner frame of one option group of the print mode ("modeheight", ...).
    static QGroupBox* optionGroup(workspace::OptionGroup group, QWidget* parent);

    static QSlider* slider(const workspace::ControlSpec& control, QWidget* parent);
    static QComboBox* list(const workspace::ControlSpec& control, QWidget* parent);
    // The hidden label of a list that has no label on the screen, for a screen reader to
    // read as the list's buddy (a list without a label of its own is otherwise read only by
    // its current entry); none for the other lists.
    static QLabel* unseenLabel(const workspace::ControlSpec& control, QWidget* parent);
    static QRadioButton* option(const workspace::ControlSpec& control, QWidget* parent);
    static QCheckBox* checkBox(const workspace::ControlSpec& control, QWidget* parent);
};

} // namespace tessaro::app
