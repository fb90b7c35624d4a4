// The program as it starts on a real window system (a scratch X server):
// one copy per user, and window titles exactly as designed, with nothing
// appended by the platform.

#include "ProgramOnScratchDisplay.h"
#include "app/SingleInstanceLock.h"
#include "app/StartUp.h"
#include "support/MessageBoxCatcher.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <memory>

namespace tessarin::app {
namespace {

using testing::ProgramRun;
using testing::ScratchDisplay;

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!display_.available())
            GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh test)";
        std::string pattern = (std::filesystem::temp_directory_path() / "tessarin-runtime-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        runtime_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(runtime_, ignored);
    }

    std::vector<std::string> firstWindowTitles(const std::filesystem::path& runtimeFolder) {
        const ProgramRun run(display_, tessarin::testing::binaryFolder() / "tessarin",
                             {"XDG_RUNTIME_DIR=" + runtimeFolder.string()});
        return run.firstWindowTitles();
    }

    ScratchDisplay display_;
    std::filesystem::path runtime_;
};

TEST_F(StartUpTest, ASecondCopyShowsOnlyItsBoxUnderTheDesignedTitle) {
    const SingleInstanceLock firstCopy(runtime_ / "Tessarin.exe");
    ASSERT_TRUE(firstCopy.held());
    EXPECT_EQ(firstWindowTitles(runtime_), std::vector<std::string>{"重复运行"});
}

TEST_F(StartUpTest, WithoutALockFileTheProgramStartsUnguarded) {
    // A runtime "folder" that is a file: no lock file can be made in it, not even by root.
    const std::filesystem::path notAFolder = runtime_ / "not-a-folder";
    std::ofstream{notAFolder};
    EXPECT_EQ(firstWindowTitles(notAFolder), std::vector<std::string>{"列车时刻表"});
}

using tessarin::testing::MessageBoxCatcher;

// A run that cannot start tells why in one box and ends with a failure status.
struct StartCase {
    const char* name;
    bool anotherCopyRuns;
    QString caption;
    QString text;  // the box's text begins with it
};

class StartUpFailure : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartUpFailure, EndsWithAFailureStatusAfterSayingWhy) {
    const tessarin::testing::TemporaryTimetable scratch;
    const auto missing = scratch.folder() / "data" / "Train+-+090719.mdb";
    const auto otherCopy = GetParam().anotherCopyRuns ? std::make_unique<SingleInstanceLock>(SingleInstanceLock::lockFile("Tessarin.exe")) : nullptr;
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
