#include "chart_test_support.h"
#include "tools/chart/places.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

namespace {

TEST(RunChart, PlacesListsUpToTwentyTabSeparated) {
    const ChartRun many = run(args({"--places", "san"}));
    EXPECT_EQ(many.status, 0);
    const auto rows = lines(many.out);
    EXPECT_EQ(rows.size(), kListedPlaces);
    const ChartRun one = run(args({"--places", "Kathmandu"}));
    EXPECT_EQ(lines(one.out).front(),
              "Kathmandu\tCentral Region\tNepal\t27.70169\t85.32060\tAsia/Kathmandu");
    const ChartRun none = run(args({"--places", "zzzqqq"}));
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.empty());
}

TEST(RunPlaces, AnOutputThatCannotTakeThePlacesIsSaid) {
    std::ostream full(nullptr); // takes nothing
    std::ostringstream err;
    ChartStreams streams{nullptr, full, err};
    ChartRequest request;
    request.mode = ChartMode::Places;
    request.place = QStringLiteral("san");
    EXPECT_EQ(runPlaces(request, streams), 1);
    EXPECT_EQ(err.str(), "kelvaro-chart: cannot write the places\n");
}

} // namespace
