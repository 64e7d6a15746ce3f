// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's status bar as a row of text panels. Each panel is as wide as its text;
// the last one takes the rest of the bar.

#include <QStatusBar>
#include <QStringList>
#include <vector>

class QLabel;

namespace tessaro::app {

class StatusPanelBar final : public QStatusBar {
    Q_OBJECT

  public:
    explicit StatusPanelBar(QWidget* parent = nullptr);

    // Replaces every panel.
    void setPanels(const QStringList& texts);
    // Sets the text of one panel (0 = the first); a panel that does not exist yet is added,
    // with empty panels before it, so no progress text is ever dropped.
    void setPanelText(int panel, const QString& text);

    int panelCount() const { return static_cast<int>(panels_.size()); }
    QString panelText(int panel) const;
    QStringList panelTexts() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLabel* addPanel(const QString& text);
    void restretch();

    std::vector<QLabel*> panels_; // owned by the bar through Qt
};

} // namespace tessaro::app
