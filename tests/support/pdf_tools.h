#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// poppler-utils run on a written PDF: its text, its page count and its fonts.

// What a program printed on standard output; a failure to run fails the test.
inline QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of the PDF (of one page when page > 0) with ligatures spelled out
// and every run of white space made one blank.
inline QString pdfText(const QString& path, int page = 0) {
    QStringList arguments;
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    arguments << path << QStringLiteral("-");
    QString text = runTool(QStringLiteral("pdftotext"), arguments);
    text.replace(QChar(0xFB00), QStringLiteral("ff"));
    text.replace(QChar(0xFB01), QStringLiteral("fi"));
    text.replace(QChar(0xFB02), QStringLiteral("fl"));
    text.replace(QChar(0xFB03), QStringLiteral("ffi"));
    text.replace(QChar(0xFB04), QStringLiteral("ffl"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.replace(space, QStringLiteral(" "));
}

// A line of pdfinfo ("Pages", "Page size"), without its name.
inline QString pdfInfo(const QString& path, const QString& field) {
    const QStringList lines = runTool(QStringLiteral("pdfinfo"), {path}).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(field + QLatin1Char(':'))) {
            return line.mid(field.size() + 1).trimmed();
        }
    }
    return {};
}
