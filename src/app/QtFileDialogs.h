// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file dialogs of the program: Qt's own dialog, filtered to .pcf profiles.

#include "app/FileDialogs.h"

namespace tessaro::app {

class QtFileDialogs final : public FileDialogs {
  public:
    QString openFile(QWidget* parent, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& folder) override;
};

} // namespace tessaro::app
