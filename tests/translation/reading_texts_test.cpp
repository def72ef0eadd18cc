#include "reading/reading.h"
#include "reading/reading_rows.h"
#include "support/make_birth.h"
#include "translation/reading_texts.h"
#include "translation/table_texts.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

// Without a catalogue the sentences put together from a reading's parts are
// its English texts: a window's ends on the birth's clock ("18:28", with the
// date when it is not the birth's, "before"/"after" beyond the limit), and
// how the dasha's dates follow the birth time.

namespace {

TEST(ReadingTexts, InEnglishTheyReadAsTheReadingAlwaysHas) {
    std::mt19937 random(31);
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59), lonD(0, 179), latD(0, 80), flag(0, 1), zone(0, 12);
    int dated = 0;
    int beyond = 0;
    for (int n = 0; n < 150; ++n) {
        const BirthRecord b =
            MakeBirth(month(random), day(random), year(random), hour(random), minute(random),
                      zone(random), 0, lonD(random), minute(random), flag(random) == 1,
                      latD(random), minute(random), flag(random) == 1, false);
        const Reading reading = MakeReading(b);
        for (const VargaRow& row : VargaRows(reading)) {
            for (const ClockEdge& edge : {row.fromEdge, row.toEdge}) {
                const QString text = ClockEdgeText(edge);
                const QString prefix = !edge.beyond         ? QString()
                                       : edge.direction < 0 ? QStringLiteral("before ")
                                                            : QStringLiteral("after ");
                const QString date = edge.date ? QStringLiteral(" on %1 %2 %3")
                                                     .arg(edge.date->Day)
                                                     .arg(MonthNames().at(edge.date->Month - 1))
                                                     .arg(edge.date->Year)
                                               : QString();
                ASSERT_EQ(text, prefix +
                                    QStringLiteral("%1:%2")
                                        .arg(edge.hour, 2, 10, QLatin1Char('0'))
                                        .arg(edge.minute, 2, 10, QLatin1Char('0')) +
                                    date);
            }
            ASSERT_EQ(WindowText(row), QString::fromStdString(row.label) +
                                           QStringLiteral(" holds from ") +
                                           ClockEdgeText(row.fromEdge) + QStringLiteral(" to ") +
                                           ClockEdgeText(row.toEdge));
            dated += (row.fromEdge.date ? 1 : 0) + (row.toEdge.date ? 1 : 0);
            beyond += (row.fromEdge.beyond ? 1 : 0) + (row.toEdge.beyond ? 1 : 0);
        }
        const auto table = DashaTableOf(reading);
        ASSERT_TRUE(table);
        static const QRegularExpression sentence(QStringLiteral(
            "^Each minute later moves these dates [0-9]+\\.[0-9] days (earlier|later) \\(while "
            "the Moon stays in [A-Za-z ]+: from ([0-9]+ hours?|any number of hours) earlier to "
            "([0-9]+ hours?|any number of hours) later\\)$"));
        ASSERT_TRUE(sentence.match(DashaSensitivityText(*table)).hasMatch())
            << DashaSensitivityText(*table).toStdString();
    }
    // Both kinds of end were met.
    EXPECT_GT(dated, 0);
    EXPECT_GT(beyond, 0);
}

} // namespace
