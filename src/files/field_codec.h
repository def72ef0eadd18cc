#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The program's field shift for short texts, over bytes of the Windows-1252
// code page: every code is raised (lowered) by 85, order kept; a code that
// would leave 0..255 is dropped.
QByteArray EncodeField(QByteArrayView codePageText);
QByteArray DecodeField(QByteArrayView storedText);

// Conversion at the boundary between the program's Unicode texts and the code
// page. Characters the code page cannot hold are left out.
QByteArray ToCodePage(const QString& text);
QString FromCodePage(QByteArrayView bytes);
