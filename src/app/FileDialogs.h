// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window asks for a profile file name. The program shows file dialogs; tests
// answer with a name of their own.

#include <QString>

class QWidget;

namespace tessaro::app {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or an empty string when the user cancelled. The file need not exist.
    virtual QString openFile(QWidget* parent, const QString& folder) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString saveFile(QWidget* parent, const QString& folder) = 0;
};

} // namespace tessaro::app
