#include "PinyinInitial.h"

#include "data/GbkCode.h"
#include "data/Utf8Characters.h"

#include <algorithm>
#include <array>

namespace tessarin::stationinput {
namespace {

struct InitialRange {
    char letter;
    unsigned last; // the last code of the range; each range begins right after the previous one
};

// The level-1 characters begin at B0A1 (啊); each range ends at the last
// level-1 character with its initial, so consecutive ranges meet without gaps.
constexpr unsigned firstLevel1Code = 0xB0A1;
constexpr std::array<InitialRange, 23> initialRanges{{
    {'A', 0xB0C4}, // 啊 .. 澳
    {'B', 0xB2C0}, // 芭 .. 怖
    {'C', 0xB4ED}, // 擦 .. 错
    {'D', 0xB6E9}, // 搭 .. 堕
    {'E', 0xB7A1}, // 蛾 .. 贰
    {'F', 0xB8C0}, // 发 .. 咐
    {'G', 0xB9FD}, // 噶 .. 过
    {'H', 0xBBF6}, // 哈 .. 祸
    {'J', 0xBFA5}, // 击 .. 骏
    {'K', 0xC0AB}, // 喀 .. 阔
    {'L', 0xC2E7}, // 垃 .. 络
    {'M', 0xC4C2}, // 妈 .. 穆
    {'N', 0xC5B5}, // 拿 .. 诺
    {'O', 0xC5BD}, // 哦 .. 沤
    {'P', 0xC6D9}, // 啪 .. 瀑
    {'Q', 0xC8BA}, // 期 .. 群
    {'R', 0xC8F5}, // 然 .. 弱
    {'S', 0xCBF9}, // 撒 .. 所
    {'T', 0xCDD9}, // 塌 .. 唾
    {'W', 0xCEF3}, // 挖 .. 误
    {'X', 0xD1B8}, // 昔 .. 迅
    {'Y', 0xD4D0}, // 压 .. 孕
    {'Z', 0xD7F9}, // 匝 .. 座
}};

} // namespace

char pinyinInitialOfCode(unsigned code) {
    if (code < firstLevel1Code)
        return 0;
    const auto range = std::lower_bound(initialRanges.begin(), initialRanges.end(), code,
                                        [](const InitialRange& r, unsigned c) { return r.last < c; });
    return range == initialRanges.end() ? 0 : range->letter;
}

char GetPinyinInitial(std::string_view text) {
    const auto code = data::gbkCode(data::firstCharacter(text));
    return code ? pinyinInitialOfCode(*code) : 0;
}

std::string pinyinInitials(std::string_view text) {
    std::string initials;
    while (!text.empty()) {
        const std::string_view character = data::firstCharacter(text);
        initials += GetPinyinInitial(character);
        text.remove_prefix(character.size());
    }
    return initials;
}

} // namespace tessarin::stationinput
