// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: Help/help.html of the start-up directory when there is one, else the
// copy built into the program. Its size follows the font and the user may resize it. Not
// modal; it deletes itself when closed.

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace tessaro::app {

class Helpfrm final : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kBuiltInPage = "qrc:/Help/help.html";

    Helpfrm(const QString& startupDirectory, QWidget* parent = nullptr);

    // The page shown first: the file in the start-up directory or the built-in copy.
    static QUrl helpPage(const QString& startupDirectory);
    QUrl source() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QSize wantedSize() const;

    QTextBrowser* browser_;
};

} // namespace tessaro::app
