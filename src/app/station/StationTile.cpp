// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/station/StationTile.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro::app {
namespace {

// Dark text on a light ground of the state's colour: readable whatever the colour, and the
// words say the state for those who do not see the colour.
QString lookStyle(StationTile::Look look) {
    const char* ground = "#e0e0e0"; // grey: waiting, or through
    switch (look) {
    case StationTile::Look::Idle:
        break;
    case StationTile::Look::Busy:
        ground = "#fff3b0"; // yellow: a unit under way
        break;
    case StationTile::Look::Stored:
        ground = "#c8ecc8"; // green
        break;
    case StationTile::Look::Failed:
        ground = "#f8c8c8"; // red
        break;
    }
    return QStringLiteral("QLabel { background-color: %1; color: #101010; padding: 0.3em; }")
        .arg(QLatin1String(ground));
}

// How much larger the state line is than the tile's other text.
constexpr double kStateScale = 1.4;
// The width of a tile's text, in average characters of its font.
constexpr int kLineChars = 36;

QLabel* line(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // a printer's identity is shown, never interpreted
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

StationTile::StationTile(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    state_ = line(this, "state");
    fitStateFont();
    lastUnit_ = line(this, "lastUnit");
    identity_ = line(this, "identity");
    faults_ = line(this, "faults");
    faults_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    counts_ = line(this, "counts");
    runAgain_ = new QPushButton(tr("Run again"), this);
    runAgain_->setObjectName(QStringLiteral("runAgain"));
    runAgain_->setAccessibleName(tr("Run %1 again").arg(title));
    runAgain_->setAutoDefault(false);
    runAgain_->hide();
    connect(runAgain_, &QPushButton::clicked, this, &StationTile::runAgain);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(state_);
    layout->addWidget(lastUnit_);
    layout->addWidget(identity_);
    layout->addWidget(faults_);
    auto* last = new QHBoxLayout; // the counts, and beside them what may be done again
    last->addWidget(counts_, 1);
    last->addWidget(runAgain_);
    layout->addLayout(last);
    layout->addStretch(1);
    setAccessibleName(title);
    setState(Look::Idle, tr("Not started"));
}

// The state line is larger than the rest, also once the font has changed.
void StationTile::fitStateFont() {
    QFont large = font();
    if (large.pointSizeF() > 0) {
        large.setPointSizeF(large.pointSizeF() * kStateScale);
    } else {
        large.setPixelSize(qRound(large.pixelSize() * kStateScale));
    }
    large.setBold(true);
    state_->setFont(large);
}

void StationTile::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitStateFont();
        fitLines();
    }
}

// Each line is at least a column wide and as high as its text needs at that width: wider, it
// needs no more, so a text is never cut off however the window lays the tile out. The counts
// leave room in the column for "Run again" beside them, so that a tile that offers it is no
// wider than the others.
void StationTile::fitLines() {
    const int column = fontMetrics().averageCharWidth() * kLineChars;
    if (layout() == nullptr) {
        return; // not made yet
    }
    const int beside = runAgain_->sizeHint().width() + layout()->spacing();
    for (QLabel* label : {state_, lastUnit_, identity_, faults_, counts_}) {
        const int width = label == counts_ ? std::max(column / 2, column - beside) : column;
        label->setMinimumWidth(width);
        label->setMinimumHeight(label->text().isEmpty() ? 0 : label->heightForWidth(width));
        label->setVisible(!label->text().isEmpty()); // an empty line takes no room
    }
}

void StationTile::setState(Look look, const QString& text) {
    if (look == look_ && text == state_->text() && !state_->styleSheet().isEmpty()) {
        return;
    }
    look_ = look;
    state_->setStyleSheet(lookStyle(look));
    // A label without a name of its own is named by its text, and tells assistive
    // technology when it changes: the state line is the tile's live part.
    state_->setText(text);
    shownChanged();
}

// Every text shown is fitted again, and the group describes it.
void StationTile::shownChanged() {
    fitLines();
    describe();
}

void StationTile::setLastUnit(const QString& text) {
    lastUnit_->setText(text);
    shownChanged();
}

void StationTile::setIdentity(const QString& identity) {
    identity_->setText(identity.isEmpty() ? QString() : tr("Printer: %1").arg(identity));
    shownChanged();
}

void StationTile::offerRunAgain(bool offered) {
    runAgain_->setVisible(offered);
}

bool StationTile::offersRunAgain() const {
    return !runAgain_->isHidden();
}

void StationTile::setFaults(const QString& faults) {
    faults_->setText(faults);
    shownChanged();
}

QString StationTile::faultsText() const {
    return faults_->text();
}

void StationTile::setCounts(const QString& counts) {
    counts_->setText(counts);
    shownChanged();
}

QString StationTile::stateText() const {
    return state_->text();
}

QString StationTile::lastUnitText() const {
    return lastUnit_->text();
}

QString StationTile::identityText() const {
    return identity_->text();
}

QString StationTile::countsText() const {
    return counts_->text();
}

// The group's description is all it shows, in reading order; setting it announces it.
void StationTile::describe() {
    QStringList parts;
    for (const QLabel* label : {state_, lastUnit_, identity_, faults_, counts_}) {
        if (!label->text().isEmpty()) {
            parts << label->text();
        }
    }
    setAccessibleDescription(parts.join(QStringLiteral(". ")));
}

} // namespace tessaro::app
