#pragma once

#include "files/reading_file.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <ostream>
#include <string>
#include <vector>

// Lets GoogleTest show a QString as text in its failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// An ASCII text as a reading file stores it, worked out here independently of
// the program's codec, so that files can be built byte by byte.
inline QByteArray shifted(const std::string& text) {
    QByteArray b;
    for (const char c : text) {
        b.append(static_cast<char>(static_cast<unsigned char>(c) + 85));
    }
    return b;
}

inline QByteArray fileOf(const std::vector<std::string>& lines, const char* end = "\r\n") {
    QByteArray b;
    for (const std::string& line : lines) {
        b += shifted(line) + end;
    }
    return b;
}

inline ReadingTexts textsOf(const std::vector<std::string>& lines) {
    ReadingTexts texts;
    for (std::size_t i = 0; i < texts.size() && i < lines.size(); ++i) {
        texts.at(i) = QString::fromStdString(lines.at(i));
    }
    return texts;
}

inline QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline bool put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
