// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One port of the production station: a group titled with the port, whose large state line
// says in words, and in colour besides, what the port is doing (waiting for a printer,
// detecting, sending a command, stored, failed and why, waiting for the printer to leave),
// with the last unit's result, the printer's identity and the port's count of units. A
// screen reader reads it as a labelled group whose description is its state; each change of
// state is announced.

#include <QGroupBox>

class QLabel;
class QPushButton;

namespace tessaro::app {

class StationTile final : public QGroupBox {
    Q_OBJECT

  public:
    // How the state line is coloured; the words always say it too.
    enum class Look { Idle, Busy, Stored, Failed };

    StationTile(const QString& title, QWidget* parent);

    void setState(Look look, const QString& text);
    void setLastUnit(const QString& text);
    void setIdentity(const QString& identity);
    // The faults the printer reported in its status (paper out, head up...); "" for none.
    void setFaults(const QString& faults);
    void setCounts(const QString& counts);
    // Whether the tile offers to run its port's unit again.
    void offerRunAgain(bool offered);
    bool offersRunAgain() const;

  signals:
    void runAgain();

  public:
    Look look() const { return look_; }
    QString stateText() const;
    QString lastUnitText() const;
    QString identityText() const;
    QString faultsText() const;
    QString countsText() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void shownChanged();
    void describe();
    void fitStateFont();
    void fitLines();

    QLabel* state_ = nullptr;
    QLabel* lastUnit_ = nullptr;
    QLabel* identity_ = nullptr;
    QLabel* faults_ = nullptr;
    QLabel* counts_ = nullptr;
    QPushButton* runAgain_ = nullptr;
    Look look_ = Look::Idle;
};

} // namespace tessaro::app
