// The program as it starts on a real window system (a scratch X server):
// one copy per user, and window titles exactly as designed, with nothing
// appended by the platform.

#include "ProgramOnScratchDisplay.h"
#include "app/SingleInstanceLock.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

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

} // namespace
} // namespace tessarin::app
