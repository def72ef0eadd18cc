#include "files/field_codec.h"

// Placeholder bodies; the codec lands with the reading files.
QByteArray EncodeField(QByteArrayView codePageText) { return codePageText.toByteArray(); }
QByteArray DecodeField(QByteArrayView storedText) { return storedText.toByteArray(); }
QByteArray ToCodePage(const QString& text) { return text.toLatin1(); }
QString FromCodePage(QByteArrayView bytes) { return QString::fromLatin1(bytes); }
