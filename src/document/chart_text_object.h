#pragma once

#include "document/reading_document.h"

#include <QObject>
#include <QTextFormat>
#include <QTextObjectInterface>

// The drawn charts inside a document's text: an object that the text layout
// places as a square and that the chart painter draws, sharp at any
// resolution.
class ChartTextObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    static constexpr int kObjectType = QTextFormat::UserObject + 1;
    // The chart an object draws: the Bhava chart without it, else the
    // divisional chart of this index into kVargas.
    static constexpr int kVargaProperty = QTextFormat::UserProperty + 1;

    // The reading must outlive the object; side is in the document's units.
    ChartTextObject(const ReadingDocument& reading, qreal side);

    QSizeF intrinsicSize(QTextDocument* doc, int posInDocument, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int posInDocument,
                    const QTextFormat& format) override;

private:
    const ReadingDocument& reading;
    qreal side;
};
