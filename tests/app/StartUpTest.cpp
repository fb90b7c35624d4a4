#include "app/SingleInstanceLock.h"
#include "app/StartUp.h"
#include "support/MessageBoxCatcher.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <memory>

namespace tessarin::app {
namespace {

using testing::MessageBoxCatcher;

// A run that cannot start tells why in one box and ends with a failure status.
struct StartCase {
    const char* name;
    bool anotherCopyRuns;
    QString caption;
    QString text;  // the box's text begins with it
};

class StartUpFailure : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUpFailure, EndsWithAFailureStatusAfterSayingWhy) {
    const testing::TemporaryTimetable scratch;
    const auto missing = scratch.folder() / "data" / "Train+-+090719.mdb";
    const auto otherCopy = GetParam().anotherCopyRuns ? std::make_unique<SingleInstanceLock>("Tessarin.exe") : nullptr;
    MessageBoxCatcher catcher;
    EXPECT_EQ(runTessarin(missing), exitCouldNotStart);
    ASSERT_EQ(catcher.boxes().size(), 1u);
    EXPECT_EQ(catcher.boxes()[0].caption, GetParam().caption);
    EXPECT_TRUE(catcher.boxes()[0].text.startsWith(GetParam().text)) << catcher.boxes()[0].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, StartUpFailure,
    ::testing::Values(StartCase{"AnotherCopyRuns", true, QStringLiteral("重复运行"), QStringLiteral("程序已经在运行了！")},
                      StartCase{"NoTimetable", false, QStringLiteral("列车时刻表"),
                                QStringLiteral("出错！Could not find folder")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::app
