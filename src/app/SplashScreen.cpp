// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SplashScreen.h"

#include "app/Form1.h"
#include "app/Pictures.h"
#include "app/Scaling.h"
#include "tessaro/Version.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace tessaro::app {
namespace {

constexpr int kWidth = 376;
constexpr int kHeight = 279;

} // namespace

SplashScreen::SplashScreen(std::function<void(Form1&)> prepare, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), prepare_(std::move(prepare)),
      timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("SplashScreen"));
    const Scaling scale(this);
    setFixedSize(scale.size(kWidth, kHeight));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setGeometry(rect());
    picture->setPixmap(Pictures::splash(size(), devicePixelRatio()));
    addRevision();
    timer_->setObjectName(QStringLiteral("Timer"));
    timer_->setSingleShot(true);
    timer_->setInterval(kShowMs);
    connect(timer_, &QTimer::timeout, this, &SplashScreen::Timer_Timer);
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

Form1* SplashScreen::mainWindow() const {
    return main_;
}

void SplashScreen::addRevision() {
    auto* rev = new QLabel(tr("Rev: %1").arg(tessaro::kShortVersion), this);
    rev->setObjectName(QStringLiteral("Rev"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(20);
    font.setBold(true);
    rev->setFont(font);
    QPalette palette = rev->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    rev->setPalette(palette);
    rev->setGeometry(Scaling(this).rect(176, 224, 121, 33));
}

void SplashScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_->start();
}

void SplashScreen::Timer_Timer() {
    timer_->stop();
    if (main_) {
        return;
    }
    auto* window = new Form1;
    window->setAttribute(Qt::WA_DeleteOnClose);
    main_ = window;
    if (prepare_) {
        prepare_(*window);
    }
    window->show(); // its start-up runs before it appears
    close();
}

} // namespace tessaro::app
