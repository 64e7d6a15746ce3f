// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window: the version, the web and support addresses and a picture that closes
// the window when clicked. It is not modal and deletes itself when closed.

#include <QDialog>

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

  private:
    QLabel* addLabel(const char* name, const QString& text, const QRect& designRect);
    QLabel* addLink(const char* name, const QString& shown, const QString& url,
                    const QRect& designRect);
    void addPicture();
};

} // namespace tessaro::app
