#include "data/Connection.h"
#include "data/Statement.h"
#include "data/Utf8Characters.h"
#include "stationinput/CharacterReadings.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace tessarin::stationinput {
namespace {

std::vector<std::string> readingTexts(char32_t character) {
    std::vector<std::string> texts;
    for (const std::uint16_t number : readingsOf(character))
        texts.emplace_back(syllable(number));
    return texts;
}

struct ReadingsCase {
    char32_t character;
    std::vector<std::string> readings;
};

void PrintTo(const ReadingsCase& c, std::ostream* out) { *out << "U+" << std::hex << static_cast<unsigned>(c.character); }

class Readings : public ::testing::TestWithParam<ReadingsCase> {};

TEST_P(Readings, AreEveryToneAndSourceOnceWithoutToneMarks) {
    EXPECT_EQ(readingTexts(GetParam().character), GetParam().readings);
}

INSTANTIATE_TEST_SUITE_P(
    PolyphonesLevel2AndRareLetters, Readings,
    ::testing::Values(ReadingsCase{U'重', {"chong", "tong", "zhong"}}, ReadingsCase{U'长', {"chang", "zhang"}},
                      ReadingsCase{U'六', {"liu", "lu"}}, ReadingsCase{U'吕', {"lv"}},
                      ReadingsCase{U'绿', {"lu", "lv"}},
                      ReadingsCase{U'圳', {"chou", "huai", "quan", "zhen"}},  // GB2312 level 2
                      ReadingsCase{U'衢', {"qu"}}, ReadingsCase{U'漯', {"lei", "luo", "ta"}},
                      ReadingsCase{U'嗯', {"n", "ng"}},                      // n with tone marks
                      ReadingsCase{U'呣', {"m", "mou"}},                     // ḿ and m with a combining grave
                      ReadingsCase{U'欸', {"ai", "e", "ei", "xie"}},         // ê in every tone
                      ReadingsCase{U'𠀀', {"he"}},                            // beyond the basic plane
                      ReadingsCase{U'a', {}}, ReadingsCase{U'1', {}}, ReadingsCase{U'、', {}},
                      ReadingsCase{U'𝄞', {}}, ReadingsCase{0x10FFFF, {}}));

// Every character of the bundled name list and of the bundled timetable's
// stations other than ASCII has a reading, so every name can be typed in
// pinyin.
std::vector<std::string> bundledNames() {
    std::vector<std::string> names;
    std::ifstream list(testing::binaryFolder() / "data" / "stations.txt");
    for (std::string line; std::getline(list, line);)
        names.push_back(line);
    const data::Connection timetable(testing::binaryFolder() / "data" / "Train+-+090719.mdb");
    data::Statement stations(timetable.handle(), "select distinct station from train");
    while (stations.step())
        names.emplace_back(stations.columnView(0));
    return names;
}

TEST(Readings, CoverEveryCharacterOfTheBundledNames) {
    const std::vector<std::string> names = bundledNames();
    ASSERT_GT(names.size(), 1000u);
    std::set<std::string> unread;
    for (std::string_view name : names) {
        while (!name.empty()) {
            const std::string_view character = data::firstCharacter(name);
            const auto code = data::codePoint(character);
            if (!code || (*code >= 0x80 && readingsOf(*code).empty()))
                unread.insert(std::string(character));
            name.remove_prefix(character.size());
        }
    }
    EXPECT_EQ(unread, std::set<std::string>{});
}

} // namespace
} // namespace tessarin::stationinput
