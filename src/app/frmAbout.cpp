// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmAbout.h"

#include "app/ClickableLabel.h"
#include "app/LayoutMemory.h"
#include "app/Pictures.h"
#include "app/Scaling.h"
#include "tessaro/Version.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QUrl>

namespace tessaro::app {
namespace {

// The picture as designed, in pixels at 96 DPI.
constexpr int kPictureWidth = 209;
constexpr int kPictureHeight = 113;

} // namespace

// The window is as large as its texts and the picture need at the window's font, and the
// user cannot resize it; a font changed while it is open resizes it.
frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tessaro "));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    const Scaling scale(this);
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(scale.px(8), scale.px(4), scale.px(8), scale.px(8));
    grid->setHorizontalSpacing(scale.px(4));
    grid->setVerticalSpacing(scale.px(1));

    QLabel* title = addLabel("Label1", tr("Tessaro v: %1").arg(tessaro::kVersion));
    QFont bold; // bold only: the size follows the window's font
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(addLabel("Label2", tr("Web:")), 1, 0);
    const QString web = QString::fromLatin1(kWebAddress);
    grid->addWidget(addLink("Label4", QUrl(web).host(), web), 1, 1);
    grid->addWidget(addLabel("Label3", tr("Support:")), 2, 0, 1, 2);
    // The address is too long to stand beside its caption: it has a line of its own.
    const QString support = QString::fromLatin1(kSupportAddress);
    QLabel* mail = addLink("Label5", support, QStringLiteral("mailto:") + support);
    mail->setIndent(scale.px(16));
    grid->addWidget(mail, 3, 0, 1, 2);
    grid->addItem(new QSpacerItem(0, scale.px(2)), 4, 0);
    grid->addWidget(addPicture(), 5, 0, 1, 2, Qt::AlignHCenter);
    grid->setColumnStretch(1, 1);
}

QLabel* frmAbout::addLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* frmAbout::addLink(const char* name, const QString& shown, const QString& url) {
    QLabel* label = addLabel(name, QString());
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

QFrame* frmAbout::addPicture() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Picture1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setFixedSize(Scaling(this).size(kPictureWidth, kPictureHeight));
    auto* image = new ClickableLabel(frame);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(frame->contentsRect());
    image->setPixmap(Pictures::about(image->size(), devicePixelRatio()));
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(tr("Click to close"));
    connect(image, &ClickableLabel::clicked, this, &frmAbout::Image1_Click);
    return frame;
}

// Another font changes what the texts need; what the layout remembers of them is forgotten,
// and the window fits them again.
void frmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (changesSizes(*event)) {
        forgetSizes(*this);
        layout()->activate();
    }
}

void frmAbout::Image1_Click() {
    close();
}

} // namespace tessaro::app
