// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the page in the window's language (Help/help.de.html) or else the English
// one (Help/help.html), from the start-up directory when it has one, else the copy built into
// the program. Its size follows the font and the user may resize it. Not
// modal; it deletes itself when closed.

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace tessaro::app {

class Helpfrm final : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kBuiltInPage = "qrc:/Help/help.html";
    static constexpr const char* kBuiltInFolder = ":/Help";

    Helpfrm(const QString& startupDirectory, QWidget* parent = nullptr);

    // The page shown first for the language ("de", "pt_BR"; QLocale().name() by default,
    // which the window's translation sets): the start-up directory's page in that language,
    // the built-in one, the start-up directory's English page, the built-in English one.
    static QUrl helpPage(const QString& startupDirectory, const QString& language = {});
    QUrl source() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QSize wantedSize() const;

    QTextBrowser* browser_;
};

} // namespace tessaro::app
