// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace tessaro::app {
namespace {

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

QStringList Translations::fileNames(const QString& uiLanguage) {
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

Translations::Translations(const QStringList& uiLanguages, const QString& ownDirectory) {
    for (const QString& uiLanguage : uiLanguages) {
        const QStringList names = fileNames(uiLanguage);
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
    // The locale follows the language shown, so the help page and Qt's own texts agree with
    // the window even when LANGUAGE names another language than LANG.
    QLocale::setDefault(language_.isEmpty() || language_ == QLatin1String(kPseudoLanguage)
                            ? QLocale(QLocale::English, previousLocale_.territory())
                            : QLocale(language_));
    if (language_.isEmpty()) {
        return;
    }
    QCoreApplication::installTranslator(&own_);
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : fileNames(language_)) {
        if (loadExactly(qt_, qtDirectory, QStringLiteral("qtbase"), name)) {
            QCoreApplication::installTranslator(&qt_);
            break;
        }
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
    QLocale::setDefault(previousLocale_);
}

} // namespace tessaro::app
