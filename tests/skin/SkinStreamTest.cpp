// The SkinStream form property, the border keys and the bitmap header that
// give a window's frame.

#include "SizePrefix.h"
#include "SkinFixtures.h"
#include "skin/BitmapSize.h"
#include "skin/SkinFormatError.h"
#include "skin/SkinStreamProperty.h"
#include "skin/WindowBorders.h"

#include <gtest/gtest.h>

namespace tessarin::skin {
namespace {

std::vector<std::uint8_t> property(std::int32_t count, const std::vector<std::uint8_t>& bytes) {
    return tools::prefixed(static_cast<std::uint32_t>(count), bytes);
}

TEST(SkinStreamProperty, HoldsTheCountedBytesOrNoSkin) {
    const auto three = property(3, {7, 8, 9, 10});
    EXPECT_EQ(packedSkinOf(three)->size(), 3u);
    EXPECT_EQ((*packedSkinOf(three))[2], 9);
    EXPECT_FALSE(packedSkinOf(property(0, {})).has_value());
    EXPECT_FALSE(packedSkinOf(property(-5, {1, 2})).has_value());
    EXPECT_THROW(packedSkinOf(property(10, {1, 2, 3})), SkinFormatError);
    EXPECT_THROW(packedSkinOf(std::vector<std::uint8_t>{1, 0}), SkinFormatError);
}

std::vector<std::uint8_t> bitmapHeader(std::uint32_t infoSize, std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> file(54, 0);
    file[0] = 'B';
    file[1] = 'M';
    const auto put = [&](std::size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(14, infoSize);
    put(18, static_cast<std::uint32_t>(width));
    put(22, static_cast<std::uint32_t>(height));
    return file;
}

TEST(BitmapSize, ReadsTheDeclaredSize) {
    const auto size = [](const std::vector<std::uint8_t>& file) {
        const auto found = bitmapSize(file);
        return found ? std::pair(found->width, found->height) : std::pair(-1, -1);
    };
    EXPECT_EQ(size(bitmapHeader(40, 90, 23)), std::pair(90, 23));
    EXPECT_EQ(size(bitmapHeader(40, 90, -23)), std::pair(90, 23));  // top-down
    EXPECT_EQ(size(bitmapHeader(12, 0x00170005, 0)), std::pair(5, 23));  // 16-bit sizes
    EXPECT_EQ(size(bitmapHeader(40, -1, 5)), std::pair(-1, -1));
    EXPECT_EQ(size(testing::bytesOf("XM not a bitmap, but long enough")), std::pair(-1, -1));
    EXPECT_EQ(size(testing::bytesOf("BM")), std::pair(-1, -1));
}

TEST(WindowBorders, ReadTheKeysNamedAfterTheBorderWithTheirDefaults) {
    const TIniText ini("[Personality]\nLeft=l.bmp\nLeftTopHeight=28\nLeftBotHeight=5\nLeftFrame=2\nLeftStretch=0\n"
                       "Top=t.bmp\nTopStretch=7\nTopTrans=0\n");
    const auto left = readWindowBorder(ini, BorderSide::Left).value();
    EXPECT_EQ(left.image, "l.bmp");
    EXPECT_EQ(std::tuple(left.fixedStart, left.fixedEnd, left.frameCount, left.stretch, left.transparent),
              std::tuple(28, 5, 2, 0, 1));
    const auto top = readWindowBorder(ini, BorderSide::Top).value();
    EXPECT_EQ(std::tuple(top.fixedStart, top.fixedEnd, top.frameCount, top.stretch, top.transparent),
              std::tuple(0, 0, 1, 1, 0));
    EXPECT_FALSE(readWindowBorder(ini, BorderSide::Bottom).has_value());
}

TEST(WindowBorders, FrameSizesAreOneFrameOfEachBorder) {
    // Left and right hold their frames side by side, top and bottom stacked.
    EXPECT_EQ(frameSizesOf({BorderImage{10, 40, 2}, BorderImage{10, 40, 2}, BorderImage{64, 56, 2},
                            BorderImage{16, 10, 2}}),
              (FrameSizes{5, 28, 5, 5}));
    // A missing border gives 0; a frame count below 1 counts as 1.
    EXPECT_EQ(frameSizesOf({BorderImage{}, BorderImage{6, 3, 0}, BorderImage{64, 30, -1}, BorderImage{}}),
              (FrameSizes{0, 30, 6, 0}));
}

} // namespace
} // namespace tessarin::skin
