#include "reading/reading.h"
#include "reading/reading_rows.h"
#include "support/make_birth.h"
#include "translation/reading_texts.h"

#include <gtest/gtest.h>

#include <random>

// Without a catalogue the sentences put together in the language in use are
// the very texts of the rows: a window's ends on the birth's clock (with the
// date when it is not the birth's, and "before"/"after" beyond the limit),
// and how the dasha's dates follow the birth time.

namespace {

TEST(ReadingTexts, InEnglishTheyAreTheRowsOwnTexts) {
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
            ASSERT_EQ(ClockEdgeText(row.fromEdge).toStdString(), row.holdsFrom);
            ASSERT_EQ(ClockEdgeText(row.toEdge).toStdString(), row.holdsTo);
            ASSERT_EQ(WindowText(row).toStdString(), row.windowText);
            dated += (row.fromEdge.date ? 1 : 0) + (row.toEdge.date ? 1 : 0);
            beyond += (row.fromEdge.beyond ? 1 : 0) + (row.toEdge.beyond ? 1 : 0);
        }
        const auto table = DashaTableOf(reading);
        ASSERT_TRUE(table);
        ASSERT_EQ(DashaSensitivityText(*table).toStdString(), table->sensitivityText);
    }
    // Both kinds of end were met.
    EXPECT_GT(dated, 0);
    EXPECT_GT(beyond, 0);
}

} // namespace
