// The skin component: its settings, the stored skin read when the main
// window sets it up, and failures that leave it without a skin.

#include "SizePrefix.h"
#include "SkinPacker.h"
#include "SkinTestArchive.h"
#include "skin/MainWindowSkin.h"
#include "skin/SkinArchive.h"
#include "skin/StoredSkin.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace tessarin::skin {
namespace {

using enum TSkinControlKind;

std::vector<std::uint8_t> propertyOf(const std::vector<std::uint8_t>& packed) {
    return tools::prefixed(static_cast<std::uint32_t>(packed.size()), packed);
}

TEST(TSkinComponent, StartsWithTheDefaultsAndNoSkin) {
    const TSkinComponent component;
    EXPECT_FALSE(component.active());
    EXPECT_EQ(component.disableTag(), 99);
    TSkinControls controls = TSkinControls::all();
    controls.remove(xcMenuItem);
    controls.remove(xcReport);
    EXPECT_EQ(component.skinControls(), controls);
    EXPECT_EQ(component.options(),
              (TSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK, TSkinOption::xoCaptionButtonHint}));
    EXPECT_EQ(component.skinStore(), QStringLiteral("(none)"));
    EXPECT_EQ(component.skinFormKind(), TSkinFormKind::sfMainform);
    EXPECT_TRUE(component.menuUpdate());
    EXPECT_FALSE(component.menuMerge());
    EXPECT_FALSE(component.hasSkin());
}

TEST(TSkinComponent, TheMainWindowsSettingsReadTheStoredSkinAtOnce) {
    TSkinComponent skin1;
    loadMainWindowSkin(skin1);
    EXPECT_TRUE(skin1.active());
    ASSERT_TRUE(skin1.hasSkin()) << skin1.failure().toStdString();
    EXPECT_EQ(skin1.skin()->captionSkinName, QStringLiteral("Metallic"));
    EXPECT_EQ(skin1.skinStore(), QStringLiteral("(Good)"));
    EXPECT_TRUE(skin1.menuMerge());
    EXPECT_EQ(skin1.options(), (TSkinOptions{TSkinOption::xoPreview, TSkinOption::xoToolbarBK}));
    for (TSkinControlKind off : {xcTab, xcMenuItem, xcReport})
        EXPECT_FALSE(skin1.skinControls().contains(off));
    for (TSkinControlKind on : {xcCombo, xcScrollbar, xcEdit, xcButton, xcPanel, xcCheckBox, xcSystemMenu})
        EXPECT_TRUE(skin1.skinControls().contains(on));
    // The property is kept byte for byte, to be written back unchanged.
    const auto stored = storedSkinStream();
    EXPECT_EQ(skin1.skinStream(), QByteArray(reinterpret_cast<const char*>(stored.data()), stored.size()));
}

struct FailureCase {
    const char* name;
    std::vector<std::uint8_t> property;
    const char* failure;
};

class TSkinComponentFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(TSkinComponentFailure, LeavesNoSkinAndSaysWhy) {
    TSkinComponent component;
    loadMainWindowSkin(component);
    component.setSkinStream(GetParam().property);
    EXPECT_FALSE(component.hasSkin());
    const QString expected = QString::fromUtf8(GetParam().failure);
    EXPECT_TRUE(expected.isEmpty() ? component.failure().isEmpty() : component.failure().startsWith(expected))
        << component.failure().toStdString();
}

// The stored skin's first 1,000 packed bytes: far too few for its size.
std::vector<std::uint8_t> truncatedStoredProperty() {
    const auto stored = storedSkinStream();
    std::vector<std::uint8_t> property(stored.begin(), stored.begin() + 4 + 1000);
    property[0] = 1000 & 0xFF;
    property[1] = 1000 >> 8;
    property[2] = property[3] = 0;
    return property;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TSkinComponentFailure,
    ::testing::Values(
        FailureCase{"NoSkinStored", {0, 0, 0, 0}, ""},
        FailureCase{"CountBeyondTheBytes", {200, 0, 0, 0, 1, 2, 3}, "Skin stream:"},
        FailureCase{"Truncated", truncatedStoredProperty(), "Skin unpacking: an unpacked size of"},
        FailureCase{"UnsupportedVersion",
                    propertyOf(tools::packSkin(testing::archiveOf({{"a.ini", testing::bytesOf("[Colours]")}}, 45000))),
                    "Unsupported skin version\rPlease use a skin of a supported version."},
        FailureCase{"NoDefinition",
                    propertyOf(tools::packSkin(testing::archiveOf({{"a.bmp", testing::bytesOf("BM")}}))),
                    "Skin archive: no definition"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TSkinComponent, ASkinFileReplacesTheStoredSkin) {
    TSkinComponent component;
    loadMainWindowSkin(component);
    QSignalSpy changed(&component, &TSkinComponent::skinChanged);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("other.skin"));
    {
        const auto packed = tools::packSkin(testing::skinArchiveOf("[TitlebarSkin]\nSkinName=Other\n"));
        std::ofstream(file.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
    }
    component.setSkinFile(folder.filePath(QStringLiteral("missing.skin")));
    EXPECT_EQ(component.skin()->captionSkinName, QStringLiteral("Metallic"));
    EXPECT_EQ(changed.count(), 0);
    component.setSkinFile(file);
    ASSERT_TRUE(component.hasSkin());
    EXPECT_EQ(component.skin()->captionSkinName, QStringLiteral("Other"));
    EXPECT_EQ(changed.count(), 1);
}

TEST(TSkinComponent, FinishingLoadingAdjustsTheControlKindsAndNeedsASkinToStayActive) {
    TSkinComponent withMainMenu;
    loadMainWindowSkin(withMainMenu);
    withMainMenu.finishLoading();
    EXPECT_TRUE(withMainMenu.active());
    EXPECT_TRUE(withMainMenu.skinControls().contains(xcSystemMenu));
    EXPECT_FALSE(withMainMenu.skinControls().contains(xcMenuItem));

    TSkinComponent withoutSkin;
    withoutSkin.setActive(true);
    withoutSkin.setSkinControls({xcMenuItem, xcSystemMenu, xcButton});
    withoutSkin.finishLoading();
    EXPECT_FALSE(withoutSkin.active());
    EXPECT_EQ(withoutSkin.skinControls(), (TSkinControls{xcMenuItem, xcButton}));
}

TEST(TSkinComponent, ClassKindMapNamesWholeClassNamesInAnyCase) {
    TSkinComponent component;
    EXPECT_EQ(component.classKind(QStringLiteral("TDataCheckBox")), QStringLiteral("checkbox"));
    EXPECT_EQ(component.classKind(QStringLiteral("tdatacheckbox")), QStringLiteral("checkbox"));
    EXPECT_EQ(component.classKind(QStringLiteral("TDataCheck")), std::nullopt);
    EXPECT_EQ(component.classKind(QStringLiteral("TButton")), std::nullopt);
    component.setClassKindMap({QStringLiteral("TFancyGrid=nil"), QStringLiteral("TLong=") + QString(60, QLatin1Char('X'))});
    EXPECT_EQ(component.classKind(QStringLiteral("TFancyGrid")), QStringLiteral("nil"));
    EXPECT_EQ(component.classKind(QStringLiteral("TLong")), QString(50, QLatin1Char('x')));
}

} // namespace
} // namespace tessarin::skin
