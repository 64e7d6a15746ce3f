// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window in the user's language: our own texts from :/i18n/ and Qt's (file dialogs,
// standard buttons) from Qt's translations directory.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tessaro::app {

class Translations final {
  public:
    // The pseudo-translation: every text framed in "⟦…⟧", accented and longer.
    static constexpr const char* kPseudoLanguage = "en_XA";

    // uiLanguages in the order the user prefers them, as QLocale::uiLanguages() gives them
    // ("de-DE", "pt-BR", "zh-Hans-CN"; on Linux from LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    // The first language the program has texts in wins; English, the language of the
    // sources, ends the search before any later language, and so does "C".
    // The translations stay installed in the application while this object lives.
    explicit Translations(const QStringList& uiLanguages,
                          const QString& ownDirectory = QStringLiteral(":/i18n"));
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The file names to try for one UI language, most specific first: "zh-Hans-CN" gives
    // zh_Hans_CN, zh_CN and zh.
    static QStringList fileNames(const QString& uiLanguage);

    // The language shown ("de", "pt_BR", "en_XA"), empty for English.
    const QString& language() const { return language_; }

  private:
    QLocale previousLocale_;
    QTranslator own_;
    QTranslator qt_;
    QString language_;
};

} // namespace tessaro::app
