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

// The highest code EncodeField keeps: 170 + 85 is the last byte value.
inline constexpr int kHighestStorableCode = 170;

// A text as it is stored: EncodeField(ToCodePage(text)), together with the
// characters that had to be left out (those the code page lacks and those
// above code 170), each named once, in the order they first appear.
struct StoredField {
    QByteArray bytes;
    QString leftOut;
};
StoredField StoreField(const QString& text);

// The text a stored field holds: FromCodePage(DecodeField(stored)).
QString LoadField(QByteArrayView stored);
