// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SystemErrorText.h"

#include <QCoreApplication>
#include <QLocale>
#include <clocale>
#include <cstring>
#include <locale.h>
#include <memory>
#include <netdb.h>
#include <string.h>
#include <string>
#include <type_traits>

namespace tessaro::app {
namespace {

constexpr const char* kContext = "SystemError";

// The C library's texts of the errors met here, for the translations to find: each is looked
// up by the text the library gives at run time, so a library that words one otherwise leaves
// it in English rather than wrong.
[[maybe_unused]] constexpr const char* kKnownTexts[] = {
    QT_TRANSLATE_NOOP("SystemError", "Permission denied"),
    QT_TRANSLATE_NOOP("SystemError", "Operation not permitted"),
    QT_TRANSLATE_NOOP("SystemError", "No such file or directory"),
    QT_TRANSLATE_NOOP("SystemError", "No such device"),
    QT_TRANSLATE_NOOP("SystemError", "No such device or address"),
    QT_TRANSLATE_NOOP("SystemError", "Input/output error"),
    QT_TRANSLATE_NOOP("SystemError", "Device or resource busy"),
    QT_TRANSLATE_NOOP("SystemError", "Connection refused"),
    QT_TRANSLATE_NOOP("SystemError", "Connection timed out"),
    QT_TRANSLATE_NOOP("SystemError", "No route to host"),
    QT_TRANSLATE_NOOP("SystemError", "Network is unreachable"),
    QT_TRANSLATE_NOOP("SystemError", "Connection reset by peer"),
    QT_TRANSLATE_NOOP("SystemError", "Broken pipe"),
    QT_TRANSLATE_NOOP("SystemError", "File too large"),
    QT_TRANSLATE_NOOP("SystemError", "No space left on device"),
    QT_TRANSLATE_NOOP("SystemError", "Read-only file system"),
    QT_TRANSLATE_NOOP("SystemError", "Inappropriate ioctl for device"),
    QT_TRANSLATE_NOOP("SystemError", "Invalid argument"),
    QT_TRANSLATE_NOOP("SystemError", "Is a directory"),
    QT_TRANSLATE_NOOP("SystemError", "Not a directory"),
    QT_TRANSLATE_NOOP("SystemError", "Too many open files"),
    QT_TRANSLATE_NOOP("SystemError", "Resource temporarily unavailable"),
    QT_TRANSLATE_NOOP("SystemError", "Protocol error"),
    QT_TRANSLATE_NOOP("SystemError", "File name too long"),
    QT_TRANSLATE_NOOP("SystemError", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("SystemError", "Name or service not known"),
    QT_TRANSLATE_NOOP("SystemError", "Temporary failure in name resolution"),
    QT_TRANSLATE_NOOP("SystemError", "Non-recoverable failure in name resolution"),
    QT_TRANSLATE_NOOP("SystemError", "No address associated with hostname"),
};

QString translated(const char* english) {
    return QCoreApplication::translate(kContext, english);
}

// The C library's own wording in the window's language, when that language's locale is
// installed; the English text otherwise.
QString libraryText(int error) {
    const std::string name = QLocale().name().toStdString() + ".UTF-8";
    const std::unique_ptr<std::remove_pointer_t<locale_t>, void (*)(locale_t)> locale(
        ::newlocale(LC_MESSAGES_MASK, name.c_str(), locale_t{}), ::freelocale);
    return QString::fromUtf8(locale ? ::strerror_l(error, locale.get()) : std::strerror(error));
}

} // namespace

QString systemErrorText(int error) {
    const char* english = std::strerror(error);
    const QString text = translated(english);
    return text == QLatin1String(english) ? libraryText(error) : text;
}

QString resolverErrorText(int code) {
    return translated(::gai_strerror(code));
}

} // namespace tessaro::app
