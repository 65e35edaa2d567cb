// Texts between the core's UTF-16 strings and Qt's, for the windows.
#pragma once

#include <QString>
#include <string>
#include <string_view>

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) {
    return text.toStdU16String();
}

// A numbered text with CR LF line ends as a widget shows it.
inline QString ToDisplayText(std::u16string_view text) {
    QString display = ToQString(text);
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return display;
}
