#pragma once

#include "chart/bhava_chart.h"
#include "engine/birth_record.h"
#include "reading/reading.h"
#include "reading/reading_rows.h"

#include <QLocale>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

// The printed reading: page one holds the person, the birth, the drawn chart,
// the figures, the houses, the planets and the warnings; page two the Rasi and
// Navamsa charts and the nakshatras; page three, with planets, the Maha and
// Antar dashas; the pages after them the interpretation of the twelve houses. Every page ends with
// the program's name and version and "page N of M". The same document goes to a printer, to the
// print preview and into a PDF.

struct ReadingDocument {
    // Without planets the planets table is left out and the chart shows the
    // houses alone.
    Reading reading;
    ChartStyle style = ChartStyle::North;
};

enum class Paper { A4, Letter };

// Letter where the locale's country uses it (the United States, Canada,
// Mexico and a few more of the Americas, the Philippines), A4 everywhere else.
Paper PaperForLocale(const QLocale& locale);
QPageSize PageSizeOf(Paper paper);

// The balance of the dasha at birth in the language in use: "Venus: 12
// years, 3 months, 4 days".
QString DashaBalanceText(const DashaTable& table);

// "1 January 2000", "12:00", "28° 36' N", "77° 12' E", and the offset from
// universal time that the reading used: "UTC+05:30", with daylight saving
// "UTC+06:30 (zone 5:30 and one hour of daylight saving)".
QString BirthDateText(const BirthRecord& birth);
QString BirthTimeText(const BirthRecord& birth);
QString LatitudeText(const BirthRecord& birth);
QString LongitudeText(const BirthRecord& birth);
QString UtcOffsetText(const BirthRecord& birth);
// "New Delhi, Delhi, India" from the parts that are given.
QString PlaceText(const BirthRecord& birth);

// A file name for the reading without its extension, from the person's name
// and the birth date ("Ram 2000-01-01"): characters that some file systems
// refuse and control characters are left out, runs of blanks become one,
// and dots and blanks at either end are dropped. "Reading 2000-01-01" when
// nothing of the name is left.
QString ReadingFileBaseName(const BirthRecord& birth);

// Paints the whole document onto the device, page by page, in the device's
// page size; returns the number of pages.
int PaintReadingDocument(QPagedPaintDevice& device, const ReadingDocument& reading);

struct DocumentSaveResult {
    bool saved = false;
    QString error; // why not, when not saved
    int pages = 0;
};

// Writes the document as a PDF at path as SaveFileBytes does: atomically onto
// a file (until the new file is complete, any file already at path stays as it
// was, and a failed write leaves nothing behind), directly into a pipe or a
// character device.
DocumentSaveResult WriteReadingPdf(const QString& path, const ReadingDocument& reading,
                                   Paper paper);
