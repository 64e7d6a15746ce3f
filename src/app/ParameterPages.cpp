// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ParameterPages.h"

#include "app/TableText.h"
#include "app/TwoRowTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace tessaro::app {
namespace {

namespace ws = workspace;

// An option button of an exclusive group cannot be cleared directly; the model may still
// leave a group without a selection.
void setOptionChecked(QRadioButton* button, bool checked) {
    if (button->isChecked() == checked) {
        return;
    }
    if (!checked) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    button->setChecked(true);
}

} // namespace

ParameterPages::ParameterPages(ws::Workspace& model, TwoRowTabWidget& tabs)
    : QObject(&tabs), model_(model), widgets_(PageBuilder::build(tabs)) {
    for (ws::ControlId id = 0; id < widgets_.controls.size(); ++id) {
        connectControl(id);
    }
    sync();
}

template <typename F> void ParameterPages::userEdit(F&& change) {
    if (syncing_) {
        return;
    }
    change();
    emit edited();
}

void ParameterPages::connectControl(ws::ControlId id) {
    QWidget* widget = widgets_.controls[id];
    if (auto* slider = qobject_cast<QSlider*>(widget)) {
        connect(slider, &QSlider::valueChanged, this, [this, id](int v) {
            userEdit([&] { model_.setSlider(id, v, ws::ChangeSource::User); });
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this,
                [this, id](int index) { userEdit([&] { model_.selectListEntry(id, index); }); });
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        connect(option, &QRadioButton::toggled, this, [this, id](bool checked) {
            if (checked) {
                userEdit([&] { model_.selectOption(id); });
            }
        });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        connect(box, &QCheckBox::toggled, this,
                [this](bool checked) { userEdit([&] { model_.setContinuousPaper(checked); }); });
    }
}

void ParameterPages::sync() {
    syncing_ = true;
    for (ws::ControlId id = 0; id < widgets_.controls.size(); ++id) {
        syncControl(id);
    }
    for (std::size_t f = 0; f < widgets_.frames.size(); ++f) {
        syncFrame(f);
    }
    syncing_ = false;
}

void ParameterPages::syncControl(ws::ControlId id) {
    QWidget* widget = widgets_.controls[id];
    if (widget == nullptr) {
        return; // a control whose frame the catalogue does not know has no widget
    }
    const QSignalBlocker blocker(widget);
    const int value = model_.value(id);
    if (auto* slider = qobject_cast<QSlider*>(widget)) {
        slider->setValue(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(value);
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        setOptionChecked(option, value != 0);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setChecked(value != 0);
    }
    widget->setEnabled(model_.isEnabled(id));
}

void ParameterPages::syncFrame(std::size_t frame) {
    const QString caption = frameCaption(model_, frame);
    if (auto* box = qobject_cast<QGroupBox*>(widgets_.frames[frame])) {
        box->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widgets_.frames[frame])) {
        label->setText(caption);
    }
}

} // namespace tessaro::app
