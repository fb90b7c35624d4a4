#include "widgets/PageButtonPictures.h"

#include <gtest/gtest.h>

#include <utility>

namespace tessarin::widgets {
namespace {

constexpr QRgb separator = qRgb(117, 134, 209);
constexpr QRgb innerLine = qRgb(104, 121, 250);
constexpr QRgb face = qRgb(218, 222, 238);

bool transparentAt(const QImage& picture, int x, int y) { return qAlpha(picture.pixel(x, y)) == 0; }

// The last button's separator stands on its left, where the wide button
// before it has none.
TEST(PageButtonPictures, PlainLooksAreTransparentButForTheSeparator) {
    const std::pair<PageButtonLook, int> separatorColumns[] = {{PageButtonLook::Plain, 94}, {PageButtonLook::PlainLast, 0}};
    for (const auto& [look, separatorColumn] : separatorColumns) {
        const QImage plain = pageButtonPicture(look, 95);
        ASSERT_EQ(plain.size(), QSize(95, 25));
        ASSERT_TRUE(plain.hasAlphaChannel());
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 95; ++x) {
                const bool onSeparator = x == separatorColumn && y >= 6 && y <= 19;
                if (onSeparator)
                    ASSERT_EQ(plain.pixel(x, y), separator) << y;
                else
                    ASSERT_TRUE(transparentAt(plain, x, y)) << x << "," << y;
            }
        }
    }
}

TEST(PageButtonPictures, WidePlainLookHasNoSeparator) {
    const QImage plain = pageButtonPicture(PageButtonLook::Plain, 135);
    ASSERT_EQ(plain.size(), QSize(135, 25));
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 135; ++x)
            ASSERT_TRUE(transparentAt(plain, x, y)) << x << "," << y;
}

TEST(PageButtonPictures, SelectedLookIsAnOutlinedTabOpenAtTheBottom) {
    for (int width : {95, 135}) {
        const QImage tab = pageButtonPicture(PageButtonLook::Selected, width);
        ASSERT_EQ(tab.size(), QSize(width, 25));
        EXPECT_TRUE(transparentAt(tab, 0, 0)) << "cut corner";
        EXPECT_TRUE(transparentAt(tab, width - 1, 0)) << "cut corner";
        EXPECT_EQ(tab.pixel(width / 2, 1), innerLine) << "top";
        EXPECT_EQ(tab.pixel(1, 12), innerLine) << "left side";
        EXPECT_EQ(tab.pixel(width - 2, 12), innerLine) << "right side";
        EXPECT_EQ(tab.pixel(width / 2, 12), face);
        EXPECT_EQ(tab.pixel(width / 2, 24), face) << "no bottom line";
        EXPECT_EQ(qAlpha(tab.pixel(0, 24)), 255) << "opaque down to the bottom";
    }
}

TEST(PageButtonPictures, OtherWidthsHaveNoPicture) {
    EXPECT_TRUE(pageButtonPicture(PageButtonLook::Plain, 96).isNull());
    EXPECT_TRUE(pageButtonPicture(PageButtonLook::PlainLast, 135).isNull());
}

} // namespace
} // namespace tessarin::widgets
