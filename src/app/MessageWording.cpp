// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MessageWording.h"

#include "app/DisplayText.h"
#include "app/SystemErrorText.h"
#include "message/Fill.h"
#include "message/MessageTable.h"
#include "message/ShownText.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstring>

namespace tessaro::app {
namespace {

std::string partText(const message::Part& part) {
    switch (part.kind) {
    case message::Part::Kind::Verbatim: // what a printer or a person supplied stays on its line
        return message::oneLine(part.text);
    case message::Part::Kind::Number:
        return QLocale().toString(part.number).toStdString();
    case message::Part::Kind::SystemError:
        return systemErrorText(part.error).toStdString();
    case message::Part::Kind::ResolverError:
        return resolverErrorText(part.error).toStdString();
    case message::Part::Kind::Nested:
        return part.nested ? worded(*part.nested).toStdString() : std::string();
    }
    return {};
}

} // namespace

QString worded(const message::Message& said) {
    if (said.id == message::MessageId::Shown) {
        return said.parts.empty() ? QString() : displayText(said.parts.front().text);
    }
    if (said.id == message::MessageId::CommandStep) {
        // The command table's line, translated with the table.
        const QByteArray step =
            QByteArray::fromStdString(said.parts.empty() ? std::string() : said.parts.front().text);
        return displayText(QCoreApplication::translate("Commands", step.constData()).toStdString());
    }
    const QString translation =
        QCoreApplication::translate(message::kMessageContext, message::textOf(said.id).english);
    return displayText(message::fill(translation.toStdString(), said.parts, partText));
}

} // namespace tessaro::app
