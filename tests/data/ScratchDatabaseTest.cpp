#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tessarin::data {
namespace {

using testing::TemporaryTimetable;

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The trains in train_tmp, as the connection's queries see them.
std::vector<std::string> storedTrains(Connection& connection) {
    Query rows(connection);
    rows.setStatement("select id from train_tmp order by rowid");
    rows.open();
    std::vector<std::string> ids;
    for (; !rows.eof(); rows.next())
        ids.push_back(rows.fieldText("id"));
    return ids;
}

// What a query does: the scratch rows made from the timetable's.
void storeTrainsFrom(Connection& connection, const std::string& station) {
    connection.execute("insert into train_tmp(id, s_station) select id, station from train where station = ?1",
                       {station});
}

class ScratchDatabaseTest : public ::testing::Test {
protected:
    ScratchDatabaseTest() {
        timetable_.addStops({{"K1", "快速", "甲", "1", "1", "-", "08:00", "0", "1", "1", "1", "1"},
                             {"K1", "快速", "乙", "2", "1", "10:00", "-", "100", "1", "1", "1", "1"}});
    }
    std::filesystem::path scratchFile(const char* name) const { return timetable_.folder() / name; }

    TemporaryTimetable timetable_;
};

// An installed timetable: neither the file nor its folder may be written.
// Queries work and the file is left as it was, with no journal beside it.
TEST_F(ScratchDatabaseTest, AReadOnlyTimetableIsReadAndNeverWritten) {
    const std::string before = bytesOf(timetable_.file());
    std::filesystem::permissions(timetable_.file(), std::filesystem::perms::owner_read);
    std::filesystem::permissions(timetable_.folder(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    {
        Connection connection(timetable_.file());
        storeTrainsFrom(connection, "乙");
        EXPECT_EQ(storedTrains(connection), std::vector<std::string>{"K1"});
        EXPECT_THROW(connection.execute("delete from train"), DataError);
    }
    std::filesystem::permissions(timetable_.folder(), std::filesystem::perms::owner_all);
    EXPECT_EQ(bytesOf(timetable_.file()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(timetable_.folder()), {}), 1);
}

TEST_F(ScratchDatabaseTest, TheCommandLinesWayNeverWritesEvenAWritableTimetable) {
    Connection{timetable_.file()}; // the indexes a writable file gets at first open
    const std::string before = bytesOf(timetable_.file());
    {
        Connection connection(timetable_.file(),
                              {.scratchFile = scratchFile("results.sqlite"), .timetableReadOnly = true});
        storeTrainsFrom(connection, "甲");
        EXPECT_THROW(connection.execute("insert into train(id) values('X1')"), DataError);
        EXPECT_THROW(connection.execute("drop table qdsn"), DataError);
        EXPECT_THROW(connection.execute("attach ?1 as again", {"file:" + timetable_.file().string() + "?mode=rw"}),
                     DataError);
        connection.execute("detach timetable");
        EXPECT_THROW(connection.execute("attach ?1 as again", {timetable_.file().string()}), DataError);
    }
    EXPECT_EQ(bytesOf(timetable_.file()), before);
}

TEST_F(ScratchDatabaseTest, EachWindowHasItsOwnRowsAndAScratchFileKeepsThemBetweenRuns) {
    Connection window(timetable_.file());
    Connection otherWindow(timetable_.file());
    storeTrainsFrom(window, "甲");
    EXPECT_EQ(storedTrains(otherWindow), std::vector<std::string>{});

    {
        Connection firstRun(timetable_.file(), {.scratchFile = scratchFile("results.sqlite")});
        storeTrainsFrom(firstRun, "乙");
        storeTrainsFrom(firstRun, "乙");
    }
    Connection nextRun(timetable_.file(), {.scratchFile = scratchFile("results.sqlite")});
    EXPECT_EQ(storedTrains(nextRun), (std::vector<std::string>{"K1", "K1"}));
    EXPECT_EQ(storedTrains(window), std::vector<std::string>{"K1"});
    Connection otherUser(timetable_.file(), {.scratchFile = scratchFile("theirs.sqlite")});
    EXPECT_EQ(storedTrains(otherUser), std::vector<std::string>{});
}

// A scratch file that is not one (damaged, or some other program's
// database, or a train_tmp of another shape) is replaced by an empty one.
TEST_F(ScratchDatabaseTest, ADamagedOrForeignScratchFileIsReplaced) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"Garbage", nullptr},
        {"ForeignDatabase", "create table notes(text)"},
        {"ScratchOfAnotherShape", "create table train_tmp(id, extra)"},
    };
    for (const auto& [name, foreignSchema] : cases) {
        SCOPED_TRACE(name);
        const std::filesystem::path file = scratchFile(name);
        if (foreignSchema) {
            sqlite3* raw = nullptr;
            sqlite3_open(file.c_str(), &raw);
            const DatabaseHandle foreign(raw);
            sqlite3_exec(foreign.get(), foreignSchema, nullptr, nullptr, nullptr);
        } else {
            std::ofstream(file, std::ios::binary) << std::string(4096, '\x5a');
        }
        Connection connection(timetable_.file(), {.scratchFile = file});
        storeTrainsFrom(connection, "甲");
        EXPECT_EQ(storedTrains(connection), std::vector<std::string>{"K1"});
        EXPECT_THROW(connection.execute("select count(*) from notes"), DataError);
    }
}

} // namespace
} // namespace tessarin::data
