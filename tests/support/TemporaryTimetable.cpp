#include "TemporaryTimetable.h"

#include "data/Schema.h"
#include "data/Statement.h"

#include <cstdlib>
#include <stdexcept>

namespace tessarin::testing {

namespace {

std::filesystem::path makeScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessarin-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    return pattern;
}

} // namespace

// Copied through the engine, so that a copy taken while another program
// writes the file is whole: a busy file is waited for, however long.
TemporaryTimetable::TemporaryTimetable(const std::filesystem::path& copyOf)
    : folder_(makeScratchFolder()), file_(folder_ / "timetable.mdb") {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(copyOf.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const data::DatabaseHandle source(raw);
    sqlite3_open(file_.c_str(), &raw);
    const data::DatabaseHandle copy(raw);
    sqlite3_backup* backup = sqlite3_backup_init(copy.get(), "main", source.get(), "main");
    int rc = SQLITE_ERROR;
    if (backup) {
        while ((rc = sqlite3_backup_step(backup, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(5);
        sqlite3_backup_finish(backup);
    }
    if (rc != SQLITE_DONE)
        throw std::runtime_error("cannot copy " + copyOf.string() + ": " + sqlite3_errmsg(copy.get()));
    const std::filesystem::path stationList = copyOf.parent_path() / "stations.txt";
    if (std::filesystem::exists(stationList))
        std::filesystem::copy_file(stationList, folder_ / "stations.txt");
}

TemporaryTimetable::TemporaryTimetable() : folder_(makeScratchFolder()), file_(folder_ / "timetable.mdb") {
    sqlite3* raw = nullptr;
    sqlite3_open(file_.c_str(), &raw);
    data::DatabaseHandle db(raw);
    data::createTimetableTables(db.get());
}

TemporaryTimetable::~TemporaryTimetable() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void TemporaryTimetable::insert(const std::string& table, const std::string& columns,
                                const std::vector<std::vector<std::string>>& rows) {
    sqlite3* raw = nullptr;
    sqlite3_open(file_.c_str(), &raw);
    data::DatabaseHandle db(raw);
    // One transaction for all rows: a commit per row waits for the disk each time.
    sqlite3_exec(db.get(), "begin", nullptr, nullptr, nullptr);
    for (const auto& row : rows) {
        std::string marks;
        for (std::size_t i = 0; i < row.size(); ++i)
            marks += (i ? ",?" : "?");
        data::Statement statement(db.get(), "insert into " + table + "(" + columns + ") values(" + marks + ")");
        statement.bind(row);
        statement.run();
    }
    sqlite3_exec(db.get(), "commit", nullptr, nullptr, nullptr);
}

void TemporaryTimetable::addStops(const std::vector<std::vector<std::string>>& rows) {
    insert("train", "id,type,station,s_no,day,a_time,d_time,distance,p1,p2,p3,p4", rows);
}

std::filesystem::path binaryFolder() {
    if (const char* folder = std::getenv("TESSARIN_BIN_DIR"))
        return folder;
    return std::filesystem::current_path();
}

std::filesystem::path bundledTimetableFile() { return binaryFolder() / "data" / "Train+-+090719.mdb"; }

} // namespace tessarin::testing
