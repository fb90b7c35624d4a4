#include "stationinput/StationList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace tessarin::stationinput {
namespace {

// A scratch folder for list files, removed with the test.
class StationListFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessarin-stations-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path write(const std::string& content) {
        const auto file = folder_ / "stations.txt";
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

    std::filesystem::path folder_;
};

TEST_F(StationListFile, KeepsOrderAndRepeatsAcrossLineEndings) {
    const auto names = readStationNames(write("\xEF\xBB\xBF" "上海\r\n北京西\n\n上海\r\n巡场"));
    EXPECT_EQ(names, (std::vector<std::string>{"上海", "北京西", "上海", "巡场"}));
}

TEST_F(StationListFile, MissingOrUnreadableIsAClearError) {
    const auto missing = folder_ / "nowhere" / "stations.txt";
    EXPECT_THROW(
        {
            try {
                readStationNames(missing);
            } catch (const StationListError& error) {
                EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos);
                throw;
            }
        },
        StationListError);
    EXPECT_THROW(readStationNames(folder_), StationListError);
}

TEST(BundledStationList, IsBesideTheExecutableAndLoads) {
    EXPECT_FALSE(readStationNames(defaultStationListFile()).empty());
}

} // namespace
} // namespace tessarin::stationinput
