// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Helpfrm.h"

#include "app/Scaling.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tessaro::app {
namespace {

constexpr int kWidth = 818;
constexpr int kHeight = 569;

} // namespace

Helpfrm::Helpfrm(const QString& startupDirectory, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Helpfrm"));
    setWindowTitle(QStringLiteral("Tessaro Help"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Scaling(this).size(kWidth, kHeight));
    browser_->setObjectName(QStringLiteral("WebBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setSource(helpPage(startupDirectory));
}

QUrl Helpfrm::helpPage(const QString& startupDirectory) {
    const QString file = startupDirectory + QStringLiteral("/Help/help.html");
    if (!startupDirectory.isEmpty() && QFileInfo(file).isFile()) {
        return QUrl::fromLocalFile(file);
    }
    return QUrl(QString::fromLatin1(kBuiltInPage));
}

QUrl Helpfrm::source() const {
    return browser_->source();
}

} // namespace tessaro::app
