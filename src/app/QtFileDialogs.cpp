// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtFileDialogs.h"

#include <QFileDialog>

namespace tessaro::app {
namespace {

QString runDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QtFileDialogs::tr("PCF Config Files (*.pcf)"));
    dialog.setDefaultSuffix(QStringLiteral("pcf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::openFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, tr("Open File ..."), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist yet is allowed: it starts a new profile of that name.
    dialog.setFileMode(QFileDialog::AnyFile);
    return runDialog(dialog);
}

QString QtFileDialogs::saveFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, tr("Save Configuration as ..."), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return runDialog(dialog);
}

} // namespace tessaro::app
