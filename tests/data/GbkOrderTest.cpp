#include "data/GbkOrder.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tessarin::data {
namespace {

// In ascending order: ASCII by byte, the one-byte code 80 (€), a GB2312
// symbol, level-1 characters by pinyin with a GBK extension character (盄,
// B140) among them by its code, shorter texts before the texts they begin,
// 重 by its GB2312 place under Z, a level-2 character, then what GBK lacks:
// a malformed byte and characters without a code by their UTF-8 bytes.
const std::vector<std::string> ascending = {
    "",       "1",      "A",     "a",      "€",     "、",   "安",       "盄",
    "北",     "北京",   "北京西", "北𝄞",   "重庆",   "座",   "綦江",     "\xE5",
    "𝄞",      "😀",     "𠀀",     "\xFF",
};

TEST(GbkOrder, FollowsTheGbkCodesAndPutsWhatGbkLacksLast) {
    for (std::size_t i = 0; i < ascending.size(); ++i) {
        EXPECT_EQ(compareAsGbk(ascending[i], ascending[i]), 0) << i;
        for (std::size_t j = i + 1; j < ascending.size(); ++j) {
            EXPECT_LT(compareAsGbk(ascending[i], ascending[j]), 0) << i << " before " << j;
            EXPECT_GT(compareAsGbk(ascending[j], ascending[i]), 0) << j << " after " << i;
        }
    }
    std::vector<std::string> shuffled = ascending;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    std::sort(shuffled.begin(), shuffled.end(), GbkLess{});
    EXPECT_EQ(shuffled, ascending);
}

// Whole texts converted in one go, as an independent account of the order.
std::string gbkBytes(const std::string& text) {
    const iconv_t converter = iconv_open("CP936", "UTF-8");
    std::string out(text.size() * 2, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &next, &outLeft);
    iconv_close(converter);
    EXPECT_NE(result, static_cast<std::size_t>(-1)) << text;
    out.resize(out.size() - outLeft);
    return out;
}

TEST(GbkOrder, SortsTheBundledNamesAsTheirEncodedBytesSort) {
    std::ifstream in(testing::binaryFolder() / "data" / "stations.txt");
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        names.push_back(line);
    ASSERT_FALSE(names.empty());
    std::vector<std::pair<std::string, std::string>> encoded;
    for (const std::string& name : names)
        encoded.emplace_back(gbkBytes(name), name);
    std::sort(encoded.begin(), encoded.end());
    std::vector<std::string> byGbkBytes;
    for (const auto& [bytes, name] : encoded)
        byGbkBytes.push_back(name);
    std::sort(names.begin(), names.end(), GbkLess{});
    EXPECT_EQ(names, byGbkBytes);
}

} // namespace
} // namespace tessarin::data
