// The program's stored skin: an archive of version 50000 holding the
// definition and the 40 bitmaps in their order, at their layouts.

#include "SkinFixtures.h"
#include "skin/BitmapSize.h"
#include "skin/LittleEndian.h"
#include "skin/SkinArchive.h"
#include "skin/SkinUnpacker.h"
#include "skin/StoredSkin.h"

#include <gtest/gtest.h>

#include <numeric>

namespace tessarin::skin {
namespace {

const std::vector<std::string> archiveOrder{
    "metallic.ini",
    "topborder.bmp",
    "bottomborder.bmp",
    "leftborder.bmp",
    "rightborder.bmp",
    "silver_dialog.bmp",
    "button.bmp",
    "silver_checkbox.bmp",
    "silver_radiobutton.bmp",
    "silver_progressbar.bmp",
    "silver_groupboxedge.bmp",
    "silver_tabpanel.bmp",
    "silver_tabitem.bmp",
    "silver_statusbar.bmp",
    "silver_comboboxbutton.bmp",
    "silver_comboboxborder.bmp",
    "silver_extraimages.bmp",
    "silver_headerbar.bmp",
    "silver_menuitem.bmp",
    "silver_menubackground.bmp",
    "silver_scrollbarbuttons.bmp",
    "silver_hscrollshaft.bmp",
    "silver_vscrollshaft.bmp",
    "silver_hscrollthumb.bmp",
    "silver_vscrollthumb.bmp",
    "silver_mdibuttons.bmp",
    "silver_groupboxtop.bmp",
    "silver_toolbarbackground.bmp",
    "silver_toolbarbuttons.bmp",
    "silver_menubutton.bmp",
    "silver_maximizedisabled.bmp",
    "windowbutton.bmp",
    "silver_restoredisabled.bmp",
    "maximizebutton.bmp",
    "silver_minimizedisabled.bmp",
    "minimizebutton.bmp",
    "silver_help.bmp",
    "mtrack v.bmp",
    "mtrack_h.bmp",
    "closebutton.bmp",
    "mainmenubar.bmp",
};

SkinArchive storedArchive() { return SkinArchive(unpackSkin(testing::storedPackedSkin())); }

TEST(StoredSkin, IsAVersion50000ArchiveOfTheDefinitionAndFortyBitmaps) {
    const std::span<const std::uint8_t> stream = storedSkinStream();
    EXPECT_EQ(readUint32(stream, 0), stream.size() - 4);
    const std::vector<std::uint8_t> unpacked = unpackSkin(testing::storedPackedSkin());
    EXPECT_EQ(readUint32(stream, 4), unpacked.size());

    const SkinArchive archive{std::vector<std::uint8_t>(unpacked)};
    EXPECT_EQ(archive.version(), 50000);
    EXPECT_TRUE(std::all_of(unpacked.begin() + 16, unpacked.begin() + 64, [](auto byte) { return byte == 0; }));
    std::vector<std::string> names;
    for (const SkinArchiveEntry& entry : archive.entries())
        names.push_back(entry.name);
    EXPECT_EQ(names, archiveOrder);
    const std::size_t contents = std::accumulate(archive.entries().begin(), archive.entries().end(), std::size_t{0},
                                                 [](std::size_t sum, const auto& entry) { return sum + entry.size; });
    EXPECT_EQ(16 + 48 + readUint32(unpacked, 4) + 4 * names.size() + contents, unpacked.size());
    EXPECT_EQ(archive.definition()->name, "metallic.ini");
}

struct Layout {
    const char* reference;
    int width;
    int height;
};

class StoredSkinBitmap : public ::testing::TestWithParam<Layout> {};

TEST_P(StoredSkinBitmap, HasItsLayoutsSize) {
    const SkinArchive archive = storedArchive();
    const auto size = bitmapSize(archive.bitmapFile(GetParam().reference));
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, GetParam().width);
    EXPECT_EQ(size->height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, StoredSkinBitmap,
    ::testing::Values(Layout{"button.bmp", 90, 23}, Layout{"Silver_CheckBox.bmp", 52, 13},
                      Layout{"Silver_RadioButton.bmp", 52, 13}, Layout{"Silver_ComboBoxBorder.bmp", 20, 21},
                      Layout{"Silver_ComboBoxButton.bmp", 64, 18}, Layout{"Silver_ScrollbarButtons.bmp", 391, 17},
                      Layout{"Silver_HScrollShaft.bmp", 68, 17}, Layout{"Silver_VScrollShaft.bmp", 68, 17},
                      Layout{"closeButton.bmp", 192, 19}, Layout{"maximizeButton.bmp", 192, 19},
                      Layout{"windowButton.bmp", 192, 19}, Layout{"minimizebutton.bmp", 192, 19},
                      Layout{"leftBorder.bmp", 10, 40}, Layout{"rightBorder.bmp", 10, 40},
                      Layout{"topBorder.bmp", 64, 56}, Layout{"bottomBorder.bmp", 16, 10}));

} // namespace
} // namespace tessarin::skin
