// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window: the version, the web and support addresses and a picture that closes
// the window when clicked. It is as large as its texts need at its font; it is not modal and
// deletes itself when closed.

#include <QDialog>

class QFrame;
class QLabel;

namespace tessaro::app {

class frmAbout final : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kWebAddress = "https://tessaro.example.org";
    static constexpr const char* kSupportAddress = "support@tessaro.example.org";

    explicit frmAbout(QWidget* parent = nullptr);

  public slots:
    void Image1_Click();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLabel* addLabel(const char* name, const QString& text);
    QLabel* addLink(const char* name, const QString& shown, const QString& url);
    QFrame* addPicture();
};

} // namespace tessaro::app
