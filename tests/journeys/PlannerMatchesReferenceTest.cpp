// The planner against the slow reference on small random timetables with
// the shapes real data has: loops, several stations of one name prefix,
// names differing only in the case of Latin letters, stops without a
// departure or an arrival mid-route, equal stop numbers, times that run
// backwards, waits across midnight and maximum waits past a day.

#include "ReferenceJourneys.h"
#include "data/Statement.h"
#include "journeys/JourneyPlanner.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>

namespace tessarin::journeys {
namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr std::array<const char*, 11> stationNames{"甲", "甲东", "甲西", "乙", "乙南", "丙", "丁", "戊", "己", "Ab站", "aB站"};
constexpr std::array<const char*, 9> patterns{"甲", "乙", "丙", "丁", "ab", "甲东", "%南", "_东", "乙南"};

int pick(std::mt19937& random, int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); }

std::string clockText(int minutes, bool leadingZero) {
    char text[8];
    std::snprintf(text, sizeof text, leadingZero ? "%02d:%02d" : "%d:%02d", minutes % 1440 / 60, minutes % 60);
    return text;
}

// One train: two to five calls some minutes or hours apart, all times on a
// grid of `step` minutes (a coarse grid makes ties).
void addTrain(Rows& rows, std::mt19937& random, const std::string& id, int step) {
    const int calls = 2 + pick(random, 4);
    int clock = step * pick(random, 1440 / step);
    int number = 1;
    for (int call = 0; call < calls; ++call) {
        const bool first = call == 0;
        const bool last = call + 1 == calls;
        if (!first)
            clock += step * (1 + pick(random, 400 / step));
        if (pick(random, 12) == 0)
            clock = std::max(0, clock - 1440);  // a day number that failed to advance
        const int arrival = clock;
        clock += step * pick(random, 2);
        std::string arrivalText = first ? "-" : clockText(arrival, pick(random, 2) != 0);
        std::string departureText = last ? "-" : clockText(clock, true);
        if (!first && !last && pick(random, 8) == 0)
            (pick(random, 2) ? arrivalText : departureText) = "-";
        rows.push_back({id, "快速", stationNames[pick(random, stationNames.size())], std::to_string(number),
                        std::to_string(1 + arrival / 1440), arrivalText, departureText, std::to_string(call * 50),
                        "0", "0", "0", "0"});
        if (pick(random, 10) != 0)
            ++number;
    }
}

Rows randomRows(std::mt19937& random) {
    Rows rows;
    const int trains = 8 + pick(random, 8);
    const int step = pick(random, 2) ? 10 : 60;
    for (int t = 0; t < trains; ++t)
        addTrain(rows, random, (pick(random, 15) == 0 ? "k" : "K") + std::to_string(1 + pick(random, 12)), step);
    return rows;
}

void replaceStops(data::Connection& connection, const Rows& rows) {
    connection.execute("begin");
    connection.execute("delete from train");
    data::Statement insert(connection.handle(),
                           "insert into train(id,type,station,s_no,day,a_time,d_time,distance,p1,p2,p3,p4)"
                           " values(?,?,?,?,?,?,?,?,?,?,?,?)");
    for (const auto& row : rows) {
        insert.reset();
        insert.bind(row);
        insert.run();
    }
    connection.execute("commit");
}

std::set<std::string> matching(data::Connection& connection, const std::string& text) {
    data::Statement select(connection.handle(), "select station from train where station like ?1");
    select.bind({text + "%"});
    std::set<std::string> names;
    while (select.step())
        names.insert(*select.columnText(0));
    return names;
}

std::string dump(const Rows& rows) {
    std::string text;
    for (const auto& row : rows) {
        text += "\n";
        for (const auto& field : row)
            text += field + " ";
    }
    return text;
}

TEST(PlannerMatchesReferenceTest, SameAnswerOnRandomTimetables) {
    std::mt19937 random(1907);
    constexpr std::array<int, 4> minChanges{0, 10, 30, 90};
    constexpr std::array<int, 6> maxWaits{0, 60, 300, 720, 1500, 3000};
    testing::TemporaryTimetable timetable;
    data::Connection connection = timetable.connect();
    // Scratch data: no need to wait for the disk at each commit.
    connection.execute("pragma synchronous = off");
    std::array<int, 3> journeys{};  // by changes
    for (int fixture = 0; fixture < 400; ++fixture) {
        const Rows rows = randomRows(random);
        replaceStops(connection, rows);
        const JourneyPlanner planner(connection);
        for (int search = 0; search < 8; ++search) {
            const std::string from = patterns[pick(random, patterns.size())];
            const std::string to = patterns[pick(random, patterns.size())];
            const JourneyOptions options{pick(random, 3), minChanges[pick(random, minChanges.size())],
                                         maxWaits[pick(random, maxWaits.size())]};
            const auto expected =
                referenceJourneys(rows, matching(connection, from), matching(connection, to), options);
            const auto found = factsOf(planner.plan(from, to, options));
            ASSERT_EQ(found, expected) << "fixture " << fixture << ", " << from << " to " << to << ", changes "
                                       << options.maxChanges << ", min change " << options.minChange
                                       << ", max wait " << options.maxWait << dump(rows);
            for (const JourneyFacts& journey : found)
                ++journeys[journey.changes];
        }
    }
    // The fixtures must give the comparison journeys of every kind to compare.
    EXPECT_GT(journeys[0], 1000);
    EXPECT_GT(journeys[1], 300);
    EXPECT_GT(journeys[2], 50);
}

} // namespace
} // namespace tessarin::journeys
