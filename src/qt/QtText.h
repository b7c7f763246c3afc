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
    // One pass that moves the kept characters down over each CR of a CR LF: QString::replace moves the
    // whole rest of the text for every thousand line ends, which a report of megabytes feels.
    QString lines = ToQt(text);
    QChar* characters = lines.data();
    const qsizetype size = lines.size();
    qsizetype kept = 0;
    for (qsizetype at = 0; at < size; ++at) {
        if (characters[at] != QLatin1Char('\r') || at + 1 == size ||
            characters[at + 1] != QLatin1Char('\n')) {
            characters[kept++] = characters[at];
        }
    }
    lines.truncate(kept);
    return lines;
}

// A text from Qt for the program, every line end (LF or CR LF) made CR LF.
inline std::string ToProgramLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace quintara
