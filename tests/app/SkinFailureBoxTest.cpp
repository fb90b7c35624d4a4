#include "app/SkinFailureBox.h"
#include "skin/SkinArchive.h"
#include "support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

namespace tessarin::app {
namespace {

TEST(SkinFailureBoxTest, TheUnsupportedVersionMessageShowsItsTwoLinesOnTwoLines) {
    testing::MessageBoxCatcher catcher;
    const std::string_view message = skin::unsupportedVersionMessage;
    showSkinFailure(nullptr, QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));

    ASSERT_EQ(catcher.boxes().size(), 1u);
    EXPECT_EQ(catcher.boxes()[0].caption, QStringLiteral("列车时刻表"));
    EXPECT_EQ(catcher.boxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(catcher.boxes()[0].text, "Unsupported skin version\nPlease use a skin of a supported version.");
}

} // namespace
} // namespace tessarin::app
