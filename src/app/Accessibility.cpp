// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accessibility.h"

#include "app/TabButton.h"
#include "app/TwoRowTabWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tessaro::app {
namespace {

QString withoutMnemonic(QString text) {
    // "&&" stands for "&"; a single "&" marks the mnemonic letter.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            text.remove(i, 1);
        }
    }
    return text;
}

class TabInterface final : public QAccessibleWidget {
  public:
    explicit TabInterface(TabButton* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return withoutMnemonic(button()->text());
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (button()->isEnabled()) {
                button()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(name);
    }

  private:
    TabButton* button() const { return static_cast<TabButton*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String(TabButton::staticMetaObject.className())) {
        return new TabInterface(static_cast<TabButton*>(object));
    }
    if (className == QLatin1String(TabRows::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<TabRows*>(object), QAccessible::PageTabList);
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFor);
        return true;
    }();
    (void)installed;
}

} // namespace tessaro::app
