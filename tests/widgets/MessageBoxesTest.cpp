#include "support/MessageBoxCatcher.h"
#include "widgets/MessageBoxes.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tessarin::widgets {
namespace {

TEST(StandardErrorTextTest, AddsAFullStopUnlessTheMessageEndsInOneOrAnEarlierMark) {
    const std::vector<std::pair<QString, QString>> cases{
        {"Field 'x' not found", "Field 'x' not found."},
        {"'' is not a valid floating point value", "'' is not a valid floating point value."},
        {"Could not find file 'a.mdb'.", "Could not find file 'a.mdb'."},
        {"No such thing!", "No such thing!"},
        {"values (1, 2)", "values (1, 2)"},
        {QStringLiteral("找不到文件"), QStringLiteral("找不到文件.")},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(standardErrorText(message), shown) << message.toStdString();
}

TEST(MessageBoxesTest, TheStandardErrorBoxShowsTheMessageUnderTheTitleWithTheErrorIcon) {
    testing::MessageBoxCatcher catcher;
    showStandardError(nullptr, std::runtime_error("Cannot perform this operation on a closed dataset"));
    guarded(nullptr, [] { throw std::runtime_error("'x' is not a valid integer value"); });

    ASSERT_EQ(catcher.boxes().size(), 2u);
    EXPECT_EQ(catcher.boxes()[0].caption, QStringLiteral("列车时刻表"));
    EXPECT_EQ(catcher.boxes()[0].text, "Cannot perform this operation on a closed dataset.");
    EXPECT_EQ(catcher.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(catcher.boxes()[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(catcher.boxes()[1].text, "'x' is not a valid integer value.");
}

TEST(MessageBoxesTest, TheInformationBoxHasTheHintCaption) {
    testing::MessageBoxCatcher catcher;
    showInformation(nullptr, QStringLiteral("请输入车次！"));
    ASSERT_EQ(catcher.boxes().size(), 1u);
    EXPECT_EQ(catcher.boxes()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(catcher.boxes()[0].text, QStringLiteral("请输入车次！"));
    EXPECT_EQ(catcher.boxes()[0].icon, QMessageBox::Information);
}

} // namespace
} // namespace tessarin::widgets
