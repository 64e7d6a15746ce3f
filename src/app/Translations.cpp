// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace tessaro::app {
namespace {

// The file names to try for one UI language, most specific first: "zh-Hans-CN" gives
// zh_Hans_CN, zh_CN and zh.
QStringList candidates(const QString& uiLanguage) {
    const QStringList parts = QString(uiLanguage).replace(u'-', u'_').split(u'_');
    QStringList names{parts.join(u'_')};
    if (parts.size() == 3) {
        names << parts[0] + u'_' + parts[2];
    }
    if (parts.size() > 1) {
        names << parts[0];
    }
    return names;
}

// Loads exactly directory/prefix_name.qm: QTranslator would fall back to shorter names on its
// own, and so report "de_AT" for what is "de".
bool loadExactly(QTranslator& translator, const QString& directory, const QString& prefix,
                 const QString& name) {
    const QString file = directory + u'/' + prefix + u'_' + name + QStringLiteral(".qm");
    return QFileInfo::exists(file) && translator.load(file);
}

bool isSourceLanguage(const QString& uiLanguage) {
    const QString language = uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0);
    return language == u"C" || language == u"en";
}

} // namespace

Translations::Translations(const QStringList& uiLanguages, const QString& ownDirectory) {
    for (const QString& uiLanguage : uiLanguages) {
        const QStringList names = candidates(uiLanguage);
        if (names.front() == QLatin1String(kPseudoLanguage)) {
            if (loadExactly(own_, ownDirectory, QStringLiteral("tessaro"), names.front())) {
                language_ = names.front();
            }
            break;
        }
        if (isSourceLanguage(uiLanguage)) {
            break;
        }
        for (const QString& name : names) {
            if (loadExactly(own_, ownDirectory, QStringLiteral("tessaro"), name)) {
                language_ = name;
                break;
            }
        }
        if (!language_.isEmpty()) {
            break;
        }
    }
    if (language_.isEmpty()) {
        return;
    }
    QCoreApplication::installTranslator(&own_);
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : candidates(language_)) {
        if (loadExactly(qt_, qtDirectory, QStringLiteral("qtbase"), name)) {
            QCoreApplication::installTranslator(&qt_);
            break;
        }
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
}

} // namespace tessaro::app
