// Any bytes as the input of "fares -", one fare case a line, answered on a
// timetable holding the bundled fare scale. Each line gets one line back:
// "ERR", a tab and a message, or, for a line of six fields, seven fare texts
// where exactly the classes whose value is "0" read "--" and every other
// text is a finite number.

#include "FuzzCheck.h"
#include "data/Connection.h"
#include "data/NumberText.h"
#include "data/Schema.h"
#include "data/SqliteHandles.h"
#include "fares/FareCaseLine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tessarin;

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// Copies a tab-separated fare table, its first line naming the columns.
void copyFareTable(data::Connection& connection, const std::string& table) {
    std::ifstream in(std::filesystem::path(TESSARIN_FARE_SCALE_DIR) / (table + ".tsv"));
    FUZZ_CHECK(in.good());
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> columns = split(line, '\t');
    std::string columnList;
    std::string marks;
    for (const std::string& column : columns) {
        columnList += (columnList.empty() ? "" : ",") + column;
        marks += marks.empty() ? "?" : ",?";
    }
    while (std::getline(in, line)) {
        if (!line.empty())
            connection.execute("insert into " + table + "(" + columnList + ") values(" + marks + ")",
                               split(line, '\t'));
    }
}

// A scratch timetable file with the bundled fare scale, removed at exit.
class ScratchTimetable {
public:
    ScratchTimetable() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessarin-fuzz-XXXXXX").string();
        FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
        folder_ = pattern;
        const auto file = folder_ / "timetable.mdb";
        sqlite3* raw = nullptr;
        sqlite3_open(file.c_str(), &raw);
        data::createTimetableTables(data::DatabaseHandle(raw).get());
        connection_.open(file);
        copyFareTable(connection_, "qdsn");
        copyFareTable(connection_, "qdlj");
    }
    ~ScratchTimetable() {
        connection_.close();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    data::Connection& connection() { return connection_; }

private:
    std::filesystem::path folder_;
    data::Connection connection_;
};

// Which class value each of the seven fare texts stands for: P1 hard seat,
// P2 soft seat, P3 the three hard sleeper berths, P4 the two soft sleeper
// berths (fields 2 to 5 of the case).
constexpr std::size_t classFieldOfText[7] = {2, 3, 4, 4, 4, 5, 5};

// Long batches answer line by line alike; a few lines say as much, quickly.
constexpr std::size_t checkedLines = 32;

void checkAnswer(const std::string& line, const std::string& answer) {
    FUZZ_CHECK(answer.find('\n') == std::string::npos);
    const std::vector<std::string> fields = split(line, '\t');
    if (answer.starts_with("ERR\t")) {
        FUZZ_CHECK(answer.size() > 4);
        return;
    }
    FUZZ_CHECK(fields.size() == tessarin::fares::fareCaseFieldCount);
    const std::vector<std::string> texts = split(answer, '\t');
    FUZZ_CHECK(texts.size() == 7);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool offered = fields[classFieldOfText[i]] != "0";
        FUZZ_CHECK((texts[i] == "--") == !offered);
        if (offered) {
            const auto number = data::parseNumber(texts[i], data::localeDecimalSeparator());
            FUZZ_CHECK(number && std::isfinite(*number));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchTimetable timetable;
    std::vector<std::string> lines = split(std::string_view(reinterpret_cast<const char*>(data), size), '\n');
    // As a stream is read line by line: a last line end opens no further line.
    if (lines.back().empty())
        lines.pop_back();
    lines.resize(std::min(lines.size(), checkedLines));
    for (const std::string& line : lines)
        checkAnswer(line, tessarin::fares::answerFareCaseLine(timetable.connection(), line));
    return 0;
}
