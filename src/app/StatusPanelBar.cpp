// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StatusPanelBar.h"

#include <QEvent>
#include <QLabel>

namespace tessaro::app {

StatusPanelBar::StatusPanelBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
}

void StatusPanelBar::setPanels(const QStringList& texts) {
    for (QLabel* panel : panels_) {
        removeWidget(panel);
        delete panel;
    }
    panels_.clear();
    for (const QString& text : texts) {
        addPanel(text);
    }
    restretch();
}

void StatusPanelBar::setPanelText(int panel, const QString& text) {
    if (panel < 0) {
        return;
    }
    while (panelCount() <= panel) {
        addPanel(QString());
    }
    panels_[static_cast<std::size_t>(panel)]->setText(text);
    restretch();
}

QString StatusPanelBar::panelText(int panel) const {
    if (panel < 0 || panel >= panelCount()) {
        return {};
    }
    return panels_[static_cast<std::size_t>(panel)]->text();
}

QStringList StatusPanelBar::panelTexts() const {
    QStringList texts;
    for (const QLabel* panel : panels_) {
        texts << panel->text();
    }
    return texts;
}

QLabel* StatusPanelBar::addPanel(const QString& text) {
    auto* panel = new QLabel(text, this);
    panel->setObjectName(QStringLiteral("Panel%1").arg(panels_.size() + 1));
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setContentsMargins(2, 0, 2, 0);
    addWidget(panel);
    panels_.push_back(panel);
    return panel;
}

// QStatusBar measures its height only when its widgets change: a new font is one more reason.
void StatusPanelBar::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        reformat();
    }
}

// Re-adding a widget is how QStatusBar changes its stretch factor.
void StatusPanelBar::restretch() {
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const bool last = i + 1 == panels_.size();
        removeWidget(panels_[i]);
        addWidget(panels_[i], last ? 1 : 0);
        panels_[i]->show();
        panels_[i]->setSizePolicy(last ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                                  QSizePolicy::Preferred);
    }
}

} // namespace tessaro::app
