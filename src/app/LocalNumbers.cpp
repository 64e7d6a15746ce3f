// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LocalNumbers.h"

#include <QLocale>

namespace tessaro::app {

QString localNumber(const std::string& programText) {
    QString text = QString::fromStdString(programText);
    const QString point = QLocale().decimalPoint();
    if (point == QLatin1String(".")) {
        return text;
    }
    QString local;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool between = i + 1 < text.size() && text[i + 1].isDigit();
        if (c == u'.' && between) {
            if (local.isEmpty() || !local.back().isDigit()) {
                local += u'0'; // ".125" is "0,125"
            }
            local += point;
        } else {
            local += c;
        }
    }
    return local;
}

QString localSeconds(std::int64_t ms) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(ms) / 1000.0, 'f', 2) + QStringLiteral(" s");
}

} // namespace tessaro::app
