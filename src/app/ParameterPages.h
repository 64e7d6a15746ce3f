// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parameter pages as a view of the workspace: a user's edit of a control goes to the
// model, and sync() sets every control and caption from the model again.

#include "app/PageBuilder.h"
#include "workspace/Workspace.h"

#include <QObject>

namespace tessaro::app {

class ParameterPages final : public QObject {
    Q_OBJECT

  public:
    // Builds the pages into tabs; the model must outlive this object.
    ParameterPages(workspace::Workspace& model, TwoRowTabWidget& tabs);

    // Captions, values and enabled states from the model; emits nothing.
    void sync();

    QWidget* controlWidget(workspace::ControlId id) const { return widgets_.controls.at(id); }
    QWidget* frameWidget(std::size_t frame) const { return widgets_.frames.at(frame); }
    const std::vector<QWidget*>& keyboardOrder() const { return widgets_.keyboardOrder; }

  signals:
    // The user changed a control and the model has taken the change.
    void edited();

  private:
    void connectControl(workspace::ControlId id);
    void syncControl(workspace::ControlId id);
    void syncFrame(std::size_t frame);
    template <typename F> void userEdit(F&& change);

    workspace::Workspace& model_;
    PageWidgets widgets_;
    bool syncing_ = false;
};

} // namespace tessaro::app
