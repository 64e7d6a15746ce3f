// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialogs of the program: Qt's own dialog, filtered to .pcf profiles.

#include "app/FileDialogs.h"

#include <QCoreApplication>

namespace tessaro::app {

class QtFileDialogs final : public FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(tessaro::app::QtFileDialogs)

  public:
    QString openFile(QWidget* parent, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& folder) override;
};

} // namespace tessaro::app
