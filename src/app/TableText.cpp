// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TableText.h"

#include "app/DisplayText.h"
#include "app/LocalNumbers.h"
#include "workspace/Encoding.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QStringList>

namespace tessaro::app {

namespace ws = workspace;

QString tableText(const char* context, std::string_view english) {
    const QByteArray source(english.data(), static_cast<qsizetype>(english.size()));
    return QCoreApplication::translate(context, source.constData());
}

QString sliderCaption(const ws::ControlSpec& slider, int v, bool continuousPaper) {
    QString caption = catalogueText(ws::sliderCaptionPattern(slider, v, continuousPaper));
    // Not QString::arg: a translation may hold a "%" of its own beside the placeholder.
    return caption.replace(QStringLiteral("%1"), localNumber(ws::sliderNumberText(slider, v)));
}

QString frameCaption(const ws::Workspace& model, std::size_t frame) {
    const std::string& shown = model.frameCaption(frame);
    const ws::FrameSpec& row = ws::frames()[frame];
    if (shown == row.designCaption) {
        return catalogueText(row.designCaption);
    }
    for (ws::ControlId id = 0; id < ws::controls().size(); ++id) {
        const ws::ControlSpec& control = ws::control(id);
        if (control.kind != ws::ControlKind::Slider || control.frame != row.name) {
            continue;
        }
        const bool continuous = control.rule == ws::ArgRule::MarkLength && model.continuousPaper();
        if (ws::sliderCaption(control, model.value(id), continuous) == shown) {
            return app::sliderCaption(control, model.value(id), continuous);
        }
    }
    return displayText(shown);
}

QString modifiedListText(const ws::Workspace& model) {
    QStringList lines = displayText(model.modifiedListText()).split(u'\n');
    for (QString& line : lines) {
        const QByteArray source = line.toUtf8();
        QString translated = QCoreApplication::translate("Commands", source.constData());
        if (translated == line) {
            translated = QCoreApplication::translate("Tabs", source.constData());
        }
        line = translated;
    }
    return lines.join(u'\n');
}

} // namespace tessaro::app
