// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inside of the main window: the parameter tabs on the left; on the right the list of
// modified parameters and the two printer command buttons. Laid out as designed at 96 DPI
// and the default font; at a larger font or DPI it grows to what the widgets need.

#include "workspace/Workspace.h"

#include <QWidget>

class QGridLayout;
class QPlainTextEdit;

namespace tessaro::app {

class ParameterPages;
class PictureButton;
class TwoRowTabWidget;

class ClientArea final : public QWidget {
    Q_OBJECT

  public:
    // The model must outlive the area.
    ClientArea(workspace::Workspace& model, QWidget* parent);

    ParameterPages* pages() const { return pages_; }
    PictureButton* setToPrinterButton() const { return setToPrinter_; }
    PictureButton* recoverFactoryButton() const { return recoverFactory_; }
    // Keeps the reading position when the text has not changed.
    void showModifiedList(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addModifiedList();
    void addButtons();
    void orderForKeyboard();
    void arrangeButtons();

    // Owned by the area through Qt.
    TwoRowTabWidget* tabs_ = nullptr;
    QGridLayout* grid_ = nullptr;
    ParameterPages* pages_ = nullptr;
    QPlainTextEdit* statusList_ = nullptr;
    PictureButton* setToPrinter_ = nullptr;
    PictureButton* recoverFactory_ = nullptr;
};

} // namespace tessaro::app
