// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmAbout.h"

#include "app/ClickableLabel.h"
#include "app/Pictures.h"
#include "app/Scaling.h"
#include "tessaro/Version.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QUrl>

namespace tessaro::app {
namespace {

constexpr int kWidth = 230;
constexpr int kHeight = 203;

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Tessaro "));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Scaling(this).size(kWidth, kHeight));

    QLabel* title = addLabel("Label1", QStringLiteral("Tessaro v: %1").arg(tessaro::kShortVersion),
                             QRect(8, 4, 214, 18));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    addLabel("Label2", QStringLiteral("Web:"), QRect(8, 24, 56, 17));
    addLabel("Label3", QStringLiteral("Support:"), QRect(8, 42, 214, 17));
    const QString web = QString::fromLatin1(kWebAddress);
    const QString support = QString::fromLatin1(kSupportAddress);
    addLink("Label4", QUrl(web).host(), web, QRect(64, 24, 158, 17));
    // The address is too long to stand beside its caption: it has a line of its own.
    addLink("Label5", support, QStringLiteral("mailto:") + support, QRect(24, 60, 198, 17));
    addPicture();
}

QLabel* frmAbout::addLabel(const char* name, const QString& text, const QRect& designRect) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    const Scaling scale(this);
    label->setGeometry(
        scale.rect(designRect.x(), designRect.y(), designRect.width(), designRect.height()));
    return label;
}

QLabel* frmAbout::addLink(const char* name, const QString& shown, const QString& url,
                          const QRect& designRect) {
    QLabel* label = addLabel(name, QString(), designRect);
    label->setTextFormat(Qt::RichText);
    label->setText(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toHtmlEscaped(), shown.toHtmlEscaped()));
    label->setToolTip(url);
    label->setCursor(Qt::PointingHandCursor);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(label, &QLabel::linkActivated, this,
            [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
    return label;
}

void frmAbout::addPicture() {
    const Scaling scale(this);
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Picture1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(scale.rect(8, 80, 209, 113));
    auto* image = new ClickableLabel(frame);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(frame->contentsRect());
    image->setPixmap(Pictures::about(image->size(), devicePixelRatio()));
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(QStringLiteral("Click to close"));
    connect(image, &ClickableLabel::clicked, this, &frmAbout::Image1_Click);
}

void frmAbout::Image1_Click() {
    close();
}

} // namespace tessaro::app
