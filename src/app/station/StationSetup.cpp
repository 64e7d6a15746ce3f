// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/station/StationSetup.h"

#include "app/DisplayText.h"
#include "app/station/FittedLines.h"
#include "link/PortRef.h"
#include "station/AuditLog.h"
#include "station/ProfileInput.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro::app {
namespace {

// The lines of network printers shown; more scroll.
constexpr int kNetworkLines = 3;

// The property a port's check box keeps its name in ("COM1").
constexpr const char* kPortName = "portName";

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

// tcp://host:9100 from "host:9100", "host" or a full tcp:// address; a printer on a serial
// server as typed with its prefix, "rfc2217://host:2001"; none when it is none of these.
std::optional<link::PortRef> networkPort(const QString& typed) {
    const std::string text = typed.trimmed().toStdString();
    for (const link::LinkKindDescriptor* kind : link::kLinkKinds) {
        if (kind->count == 0 && text.starts_with(kind->prefix)) {
            return link::PortRef::typedAddress(kind->kind, text);
        }
    }
    return link::PortRef::typedAddress(link::LinkKind::Network, text);
}

link::PortRef portOf(const QObject& holder) {
    return holder.property(kPortName).value<link::PortRef>();
}

} // namespace

StationSetup::StationSetup(const std::vector<link::PortLine>& ports, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("stationSetup"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(profileGroup(), 1);
    top->addWidget(portsGroup(ports), 1);
    layout->addLayout(top);
    repeat_ = new QCheckBox(tr("&Repeat: configure each new printer as it arrives"), this);
    repeat_->setObjectName(QStringLiteral("repeat"));
    layout->addWidget(repeat_);
    layout->addWidget(logRow());
    showStamp();
}

QWidget* StationSetup::profileGroup() {
    auto* group = new QGroupBox(tr("Profile to store"), this);
    group->setObjectName(QStringLiteral("profileGroup"));
    useWorkspace_ = new QRadioButton(tr("The current &workspace"), group);
    useWorkspace_->setObjectName(QStringLiteral("profileWorkspace"));
    useWorkspace_->setChecked(true);
    useFile_ = new QRadioButton(tr("A profile &file:"), group);
    useFile_->setObjectName(QStringLiteral("profileChoose"));
    profileFile_ = new QLineEdit(group);
    profileFile_->setObjectName(QStringLiteral("profileFile"));
    profileFile_->setAccessibleName(tr("Profile file"));
    QPushButton* browse = button(tr("&Browse..."), "profileBrowse", group);
    browse->setAccessibleName(tr("Browse for a profile file"));
    stamp_ = new QLabel(group);
    stamp_->setObjectName(QStringLiteral("profileStamp"));
    stamp_->setTextFormat(Qt::PlainText);
    stamp_->setWordWrap(true);
    stamp_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QGridLayout(group);
    layout->addWidget(useWorkspace_, 0, 0, 1, 3);
    layout->addWidget(useFile_, 1, 0);
    layout->addWidget(profileFile_, 1, 1);
    layout->addWidget(browse, 1, 2);
    layout->addWidget(stamp_, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    connect(useWorkspace_, &QRadioButton::toggled, this, &StationSetup::showStamp);
    connect(profileFile_, &QLineEdit::editingFinished, this, &StationSetup::showStamp);
    connect(profileFile_, &QLineEdit::textEdited, this, [this] { useFile_->setChecked(true); });
    connect(browse, &QPushButton::clicked, this, &StationSetup::browseProfile);
    return group;
}

QWidget* StationSetup::portsGroup(const std::vector<link::PortLine>& ports) {
    auto* group = new QGroupBox(tr("Ports"), this);
    group->setObjectName(QStringLiteral("portsGroup"));
    auto* layout = new QGridLayout(group);
    int row = 0;
    for (const link::PortLine& line : ports) {
        // "COM1 (/dev/ttyUSB0)"
        const QString shown =
            QString::fromStdString(line.name) +
            (line.device.empty() ? QString() : QStringLiteral(" (%1)").arg(fromPath(line.device)));
        auto* box = new QCheckBox(shown, group);
        box->setObjectName(QStringLiteral("port_%1").arg(QString::fromStdString(line.name)));
        box->setProperty(kPortName, QVariant::fromValue(line.port));
        layout->addWidget(box, row / 2, row % 2, 1, 1);
        portBoxes_.push_back(box);
        ++row;
    }
    int next = (row + 1) / 2;
    if (ports.empty()) {
        auto* none = new QLabel(tr("No COM, USB or LPT port is there."), group);
        none->setObjectName(QStringLiteral("noPorts"));
        layout->addWidget(none, next++, 0, 1, 2);
    }
    auto* networkLabel = new QLabel(tr("&Network printers (host or host:port):"), group);
    networkLabel->setObjectName(QStringLiteral("networkLabel"));
    layout->addWidget(networkLabel, next++, 0, 1, 2);
    network_ = new QListWidget(group);
    network_->setObjectName(QStringLiteral("networkList"));
    network_->setAccessibleName(tr("Network printers"));
    fitLines(*network_, kNetworkLines);
    layout->addWidget(network_, next++, 0, 1, 2);
    address_ = new QLineEdit(group);
    address_->setObjectName(QStringLiteral("networkAddress"));
    address_->setAccessibleName(tr("Network printer to add"));
    address_->setToolTip(tr("A network printer as host or host:port, or a serial printer on a "
                            "network serial server as rfc2217://host:port"));
    networkLabel->setBuddy(address_);
    auto* buttons = new QHBoxLayout;
    QPushButton* add = button(tr("&Add"), "networkAdd", group);
    QPushButton* remove = button(tr("Re&move"), "networkRemove", group);
    buttons->addWidget(address_, 1);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    layout->addLayout(buttons, next, 0, 1, 2);
    connect(add, &QPushButton::clicked, this, &StationSetup::addNetworkPrinter);
    connect(address_, &QLineEdit::returnPressed, this, &StationSetup::addNetworkPrinter);
    connect(remove, &QPushButton::clicked, this, [this] { delete network_->currentItem(); });
    return group;
}

QWidget* StationSetup::logRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(tr("Audit &log:"), row);
    label->setObjectName(QStringLiteral("logLabel"));
    log_ = new QLineEdit(row);
    log_->setObjectName(QStringLiteral("logFile"));
    label->setBuddy(log_);
    QPushButton* browse = button(tr("Bro&wse..."), "logBrowse", row);
    browse->setAccessibleName(tr("Browse for the audit log"));
    auto* runLabel = new QLabel(tr("Lab&el:"), row);
    runLabel->setObjectName(QStringLiteral("runLabelLabel"));
    label_ = new QLineEdit(row);
    label_->setObjectName(QStringLiteral("runLabel"));
    label_->setPlaceholderText(tr("an order, a batch, an operator"));
    label_->setToolTip(tr("Written in every record of the audit log"));
    runLabel->setBuddy(label_);
    layout->addWidget(label);
    layout->addWidget(log_, 2);
    layout->addWidget(browse);
    layout->addSpacing(12);
    layout->addWidget(runLabel);
    layout->addWidget(label_, 1);
    connect(browse, &QPushButton::clicked, this, &StationSetup::browseLog);
    return row;
}

void StationSetup::addNetworkPrinter() {
    const std::optional<link::PortRef> port = networkPort(address_->text());
    if (!port) {
        address_->selectAll();
        return;
    }
    addAddressed(*port);
    address_->clear();
}

// Listed once, by its spelling.
void StationSetup::addAddressed(const link::PortRef& port) {
    const QString text = QString::fromStdString(port.text());
    if (network_->findItems(text, Qt::MatchExactly).isEmpty()) {
        auto* item = new QListWidgetItem(text, network_);
        item->setData(Qt::UserRole, QVariant::fromValue(port));
    }
}

void StationSetup::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitLines(*network_, kNetworkLines);
    }
}

StationSetup::Choice StationSetup::choice() const {
    Choice chosen;
    chosen.workspace = useWorkspace_->isChecked();
    chosen.profileFile = profileFile_->text().trimmed();
    for (const QCheckBox* box : portBoxes_) {
        if (box->isChecked()) {
            chosen.ports.push_back(portOf(*box));
        }
    }
    for (int i = 0; i < network_->count(); ++i) {
        chosen.ports.push_back(network_->item(i)->data(Qt::UserRole).value<link::PortRef>());
    }
    chosen.repeat = repeat_->isChecked();
    chosen.log = log_->text().trimmed();
    chosen.label = label_->text().trimmed();
    return chosen;
}

void StationSetup::restore(const std::vector<link::PortRef>& ports, bool repeat,
                           const QString& log) {
    for (const link::PortRef& port : ports) {
        bool numbered = false;
        for (QCheckBox* box : portBoxes_) {
            if (portOf(*box) == port) {
                box->setChecked(true);
                numbered = true;
            }
        }
        if (!numbered && port.byAddress()) {
            addAddressed(port);
        }
    }
    repeat_->setChecked(repeat);
    log_->setText(log);
}

void StationSetup::restoreProfile(const QString& file, const QString& label) {
    if (!file.isEmpty()) {
        setProfileFile(file);
    }
    label_->setText(label);
}

void StationSetup::setProfileFile(const QString& file) {
    profileFile_->setText(file);
    useFile_->setChecked(true);
    showStamp();
}

void StationSetup::setLogFile(const QString& file) {
    log_->setText(file);
}

void StationSetup::setWorkspaceStamp(const QString& name, const QString& sha256) {
    workspaceName_ = name;
    workspaceSha_ = sha256;
    showStamp();
}

// The name and SHA-256 of what would be stored; a file is read again each time it is shown.
void StationSetup::showStamp() {
    QString name = workspaceName_;
    QString sha = workspaceSha_;
    if (useFile_->isChecked()) {
        const QString file = profileFile_->text().trimmed();
        name = QFileInfo(file).fileName();
        const station::ProfileStamp stamp = station::readProfile(toPath(file).string())->stamp;
        sha = stamp.sha256.empty() ? tr("(the file cannot be read)")
                                   : QString::fromStdString(stamp.sha256);
        if (file.isEmpty()) {
            name = tr("(no file chosen)");
            sha.clear();
        }
    }
    stamp_->setText(tr("Name: %1\nSHA-256: %2").arg(name, sha));
}

} // namespace tessaro::app
