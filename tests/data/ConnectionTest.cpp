#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tessarin::data {
namespace {

using testing::TemporaryTimetable;

std::string connectionFailure(const std::filesystem::path& file) {
    try {
        Connection connection(file);
    } catch (const ConnectionError& error) {
        return error.what();
    }
    return "opened";
}

TEST(ConnectionTest, OpensATimetableFile) {
    TemporaryTimetable timetable;
    Connection connection(timetable.file());
    EXPECT_TRUE(connection.isOpen());
}

TEST(ConnectionTest, MissingFolderOrFileIsAFailureThatCreatesNothing) {
    TemporaryTimetable scratch;
    const auto missingFolder = scratch.folder() / "nowhere" / "Train+-+090719.mdb";
    const auto missingFile = scratch.folder() / "Train+-+090719.mdb";

    EXPECT_EQ(connectionFailure(missingFolder),
              "Could not find folder '" + missingFolder.parent_path().string() + "'.");
    EXPECT_EQ(connectionFailure(missingFile), "Could not find file '" + missingFile.string() + "'.");
    EXPECT_FALSE(std::filesystem::exists(missingFolder.parent_path()));
    EXPECT_FALSE(std::filesystem::exists(missingFile));
}

TEST(ConnectionTest, AFileThatIsNotADatabaseIsAFailure) {
    TemporaryTimetable scratch;
    const auto file = scratch.folder() / "notes.mdb";
    std::ofstream(file) << "this is a text file, not a timetable\n";

    const std::string message = connectionFailure(file);
    EXPECT_NE(message.find("Unrecognized database format '" + file.string() + "'"), std::string::npos) << message;
}

TEST(ConnectionTest, ADatabaseWithoutATimetableTableIsAFailure) {
    for (std::string_view missing : timetableTables) {
        TemporaryTimetable timetable;
        {
            Connection connection(timetable.file());
            connection.execute("drop table " + std::string(missing));
        }
        EXPECT_EQ(connectionFailure(timetable.file()),
                  "The data file '" + timetable.file().string() + "' has no table '" + std::string(missing) + "'.");
    }
}

TEST(ConnectionTest, AFileAnotherProgramHoldsLockedIsSaidToBeInUse) {
    TemporaryTimetable timetable;
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(timetable.file().c_str(), &raw), SQLITE_OK);
    const DatabaseHandle other(raw);
    ASSERT_EQ(sqlite3_exec(other.get(), "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(connectionFailure(timetable.file()),
              "The data file '" + timetable.file().string() + "' is in use by another program.");
}

TEST(ConnectionTest, TableNamesAreFoundWithoutRegardToCase) {
    TemporaryTimetable timetable;
    {
        Connection connection(timetable.file());
        connection.execute("alter table train rename to TRAIN_X");
        connection.execute("alter table TRAIN_X rename to Train");
    }
    EXPECT_EQ(connectionFailure(timetable.file()), "opened");
}

TEST(ConnectionTest, AFileMadeWithPlainTextColumnsWorks) {
    TemporaryTimetable scratch;
    const auto file = scratch.folder() / "own.mdb";
    {
        sqlite3* raw = nullptr;
        sqlite3_open(file.c_str(), &raw);
        DatabaseHandle db(raw);
        sqlite3_exec(db.get(),
                     "create table Train(ID text, type text, station text, s_no text, day text, a_time text,"
                     " d_time text, distance text, p1 text, p2 text, p3 text, p4 text);"
                     "create table train_tmp(id text); create table qdsn(LC_sa text); create table qdlj(qd_sa text);",
                     nullptr, nullptr, nullptr);
    }
    Connection connection(file);
    connection.execute("insert into train(id, station) values (?1, ?2)", {"K7322", "北京"});
    EXPECT_TRUE(connection.isOpen());
}

} // namespace
} // namespace tessarin::data
