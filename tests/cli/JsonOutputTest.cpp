// --json against the tab-separated output of the same command on the bundled
// timetable: one JSON value on standard output (nlohmann's parser refuses
// anything after it) holding the same rows, fields and texts.

#include "support/CliRunner.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace tessarin::cli {
namespace {

using nlohmann::json;
using testing::CliRun;

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    if (line.ends_with('\t'))
        fields.emplace_back();
    return fields;
}

std::vector<std::vector<std::string>> rowsOf(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : testing::linesOf(text))
        rows.push_back(fieldsOf(line));
    return rows;
}

class JsonOutputTest : public ::testing::Test {
protected:
    CliRun run(std::vector<std::string> arguments, const std::string& input = {}) const {
        arguments.insert(arguments.begin(), {"--db", timetable_.file().string()});
        return testing::runCli(arguments, input);
    }

    // The command's tab-separated output and its JSON value, both asked
    // for successfully; the JSON the same whether --json stands before the
    // command or among its arguments.
    std::pair<std::string, json> bothOutputs(const std::vector<std::string>& arguments,
                                             const std::string& input = {}) const {
        const CliRun rows = run(arguments, input);
        EXPECT_EQ(rows.status, 0) << rows.err;
        std::vector<std::string> global{"--json"};
        global.insert(global.end(), arguments.begin(), arguments.end());
        const CliRun first = run(global, input);
        std::vector<std::string> own = arguments;
        own.insert(own.begin() + 1, "--json");
        const CliRun among = run(own, input);
        EXPECT_EQ(first.status, 0) << first.err;
        EXPECT_EQ(among.out, first.out);
        EXPECT_TRUE(first.out.ends_with("}\n") || first.out.ends_with("]\n")) << first.out;
        return {rows.out, json::parse(first.out)};
    }

    testing::TemporaryTimetable timetable_{testing::bundledTimetableFile()};
};

// Rows after a header line: each row an object of its fields by the header's names.
json objectsOf(const std::string& tabSeparated) {
    const auto rows = rowsOf(tabSeparated);
    json objects = json::array();
    for (std::size_t row = 1; row < rows.size(); ++row) {
        json object = json::object();
        for (std::size_t field = 0; field < rows[0].size(); ++field)
            object[rows[0][field]] = rows[row].at(field);
        objects.push_back(object);
    }
    return objects;
}

TEST_F(JsonOutputTest, RowsWithAHeaderAreObjectsOfTheSameFields) {
    for (const auto& arguments : {std::vector<std::string>{"between", "北京", "上海"},
                                  {"train", "t1"},
                                  {"station", "徐州"},
                                  {"stops", "T109"},
                                  {"sql", "select id, station, s_no from train where id = 'T109' order by rowid"}}) {
        const auto [rows, value] = bothOutputs(arguments);
        const json expected = objectsOf(rows);
        EXPECT_GT(expected.size(), 1u) << arguments[0];
        EXPECT_EQ(value, expected) << arguments[0];
    }
}

TEST_F(JsonOutputTest, NullIsNullAndNotAnEmptyText) {
    EXPECT_EQ(bothOutputs({"sql", "select null as none, '' as empty"}).second,
              json::parse(R"([{"none":null,"empty":""}])"));
}

TEST_F(JsonOutputTest, JourneysHaveTheFieldsOfTheirRowsAndTheirLegs) {
    const auto [rows, journeys] = bothOutputs({"journeys", "北京", "上海"});
    json expected = objectsOf(rows);
    ASSERT_EQ(journeys.size(), expected.size());
    ASSERT_GT(journeys.size(), 1u);
    for (std::size_t i = 0; i < journeys.size(); ++i) {
        json journey = journeys[i];
        EXPECT_EQ(journey["legs"].size(), journey["changes"].get<std::size_t>() + 1);
        journey.erase("legs");
        for (const char* number : {"days", "changes"})
            journey[number] = std::to_string(journey[number].get<int>());
        EXPECT_EQ(journey, expected[i]);
    }
}

TEST_F(JsonOutputTest, DetailNamesTheWindowsValues) {
    ASSERT_EQ(run({"between", "北京", "上海"}).status, 0);
    const auto [rows, detail] = bothOutputs({"detail", "T109"});
    // The window's captions and where each value stands in the JSON object.
    const std::map<std::string, json::json_pointer> places{
        {"发站：", json::json_pointer("/s_station")},
        {"到站：", json::json_pointer("/e_station")},
        {"里程：", json::json_pointer("/distance")},
        {"历时：", json::json_pointer("/during_tm")},
        {"天数：", json::json_pointer("/during_day")},
        {"硬座：", json::json_pointer("/fares/hard_seat")},
        {"软座：", json::json_pointer("/fares/soft_seat")},
        {"硬卧上：", json::json_pointer("/fares/hard_sleeper_upper")},
        {"硬卧中：", json::json_pointer("/fares/hard_sleeper_middle")},
        {"硬卧下：", json::json_pointer("/fares/hard_sleeper_lower")},
        {"软卧上：", json::json_pointer("/fares/soft_sleeper_upper")},
        {"软卧下：", json::json_pointer("/fares/soft_sleeper_lower")},
    };
    json expected = {{"id", "T109"}};
    for (const auto& row : rowsOf(rows))
        expected[places.at(row.at(0))] = row.at(1);
    EXPECT_EQ(detail, expected);
}

const char* const fareClasses[] = {"hard_seat",           "soft_seat",          "hard_sleeper_upper",
                                   "hard_sleeper_middle", "hard_sleeper_lower", "soft_sleeper_upper",
                                   "soft_sleeper_lower"};

// One answer line of the fares: the seven texts by class, or the error.
json fareAnswer(const std::vector<std::string>& fields) {
    if (fields.at(0) == "ERR")
        return {{"error", fields.at(1)}};
    json answer = json::object();
    for (std::size_t i = 0; i < std::size(fareClasses); ++i)
        answer[fareClasses[i]] = fields.at(i);
    return answer;
}

TEST_F(JsonOutputTest, FaresAreNamedByClassAndABatchAnswersEveryLine) {
    const auto [line, fares] = bothOutputs({"fares", "普快", "150", "1", "1", "0", "1"});
    EXPECT_EQ(fares, fareAnswer(rowsOf(line).at(0)));
    EXPECT_EQ(fares["hard_sleeper_upper"], "--");

    const auto [lines, answers] =
        bothOutputs({"fares", "-"}, "普快\t150\t1\t1\t1\t1\n普快\t150\n动车组\t99\t1\t1\t1\t1\n");
    json expected = json::array();
    for (const auto& fields : rowsOf(lines))
        expected.push_back(fareAnswer(fields));
    EXPECT_EQ(expected.size(), 3u);
    EXPECT_TRUE(expected[1].contains("error"));
    EXPECT_EQ(answers, expected);
}

TEST_F(JsonOutputTest, SuggestionsAreTheTextAndItsNames) {
    const auto [lines, offered] = bothOutputs({"suggest", "bj"});
    json names = json::array();
    for (const auto& fields : rowsOf(lines))
        names.push_back(fields.at(0));
    EXPECT_GT(names.size(), 1u);
    EXPECT_EQ(offered, json({{"text", "bj"}, {"names", names}}));

    const auto [answers, batch] = bothOutputs({"suggest", "-"}, "bjx\n\nzzzz\n");
    json expected = json::array();
    for (const auto& fields : rowsOf(answers)) {
        const std::vector<std::string> rest(fields.begin() + (fields.empty() ? 0 : 1), fields.end());
        expected.push_back({{"text", fields.empty() ? "" : fields[0]}, {"names", rest}});
    }
    EXPECT_EQ(batch, expected);
    EXPECT_EQ(batch[0]["names"], json::array({"北京西"}));
}

TEST_F(JsonOutputTest, InitialsPairEachCharacterWithItsInitial) {
    const auto [lines, initials] = bothOutputs({"initials", "北京a"});
    EXPECT_EQ(lines, "B\nJ\n0\n");
    EXPECT_EQ(initials, json::parse(R"([{"character":"北","initial":"B"},{"character":"京","initial":"J"},)"
                                    R"({"character":"a","initial":null}])"));
}

} // namespace
} // namespace tessarin::cli
