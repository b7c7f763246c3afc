#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quintara {

// The program's texts are UTF-8 and end their lines with CR LF; Qt's are QStrings whose lines end with LF.
inline QString ToQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text of the program for a Qt widget or document, its lines ended by LF.
inline QString ToQtLines(std::string_view text) {
    return ToQt(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A text from Qt for the program, every line end (LF or CR LF) made CR LF.
inline std::string ToProgramLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace quintara
