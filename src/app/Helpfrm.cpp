// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Helpfrm.h"

#include "app/LayoutMemory.h"
#include "app/Scaling.h"
#include "app/Translations.h"

#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tessaro::app {
namespace {

// The window as designed, in pixels at 96 DPI, and what it shows at any font: lines of so
// many average characters, so many lines of the page.
constexpr int kWidth = 818;
constexpr int kHeight = 569;
constexpr int kLineCharacters = 110;
constexpr int kPageLines = 32;

} // namespace

Helpfrm::Helpfrm(const QString& startupDirectory, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Helpfrm"));
    setWindowTitle(tr("Tessaro Help"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setObjectName(QStringLiteral("WebBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setSource(helpPage(startupDirectory));
    resize(wantedSize());
}

// At least as designed, larger at a larger font, within the screen; the user may resize it.
QSize Helpfrm::wantedSize() const {
    const QFontMetrics metrics = browser_->fontMetrics();
    QSize wanted = Scaling(this)
                       .size(kWidth, kHeight)
                       .expandedTo({metrics.averageCharWidth() * kLineCharacters,
                                    metrics.lineSpacing() * kPageLines});
    if (const QScreen* display = screen()) {
        wanted = wanted.boundedTo(display->availableGeometry().size());
    }
    return wanted;
}

// A larger font makes the window grow to show as much of the page as before.
void Helpfrm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (changesSizes(*event)) {
        resize(size().expandedTo(wantedSize()));
    }
}

QUrl Helpfrm::helpPage(const QString& startupDirectory, const QString& language) {
    QStringList pages;
    for (const QString& name :
         Translations::fileNames(language.isEmpty() ? QLocale().name() : language)) {
        pages << QStringLiteral("help.%1.html").arg(name);
    }
    pages << QStringLiteral("help.html");
    for (const QString& page : pages) {
        const QString file = startupDirectory + QStringLiteral("/Help/") + page;
        if (!startupDirectory.isEmpty() && QFileInfo(file).isFile()) {
            return QUrl::fromLocalFile(file);
        }
        if (QFileInfo::exists(QString::fromLatin1(kBuiltInFolder) + u'/' + page)) {
            return QUrl(QStringLiteral("qrc") + QString::fromLatin1(kBuiltInFolder) + u'/' + page);
        }
    }
    return QUrl(QString::fromLatin1(kBuiltInPage));
}

QUrl Helpfrm::source() const {
    return browser_->source();
}

} // namespace tessaro::app
