#include "app/BannerPane.h"
#include "support/LoopbackHttpServer.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tessarin::app {
namespace {

using testing::LoopbackHttpServer;

// Waits for the end of a fetch: as long as a loaded machine may need, and
// no longer than the fetch takes.
constexpr int patienceMs = 60000;

TEST(BannerPaneTest, ShowsThePageOfAnAddressWithoutScheme) {
    LoopbackHttpServer server(
        testing::okAnswer("text/html; charset=utf-8", "<html><body>春运购票提醒</body></html>"));
    BannerPane pane;
    QSignalSpy finished(&pane, &BannerPane::loadFinished);
    pane.navigate(QString::fromStdString(server.address("/gg/bottom.html")));
    ASSERT_TRUE(finished.wait(patienceMs));
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_TRUE(pane.showsPage());
    EXPECT_EQ(pane.shownText(), QStringLiteral("春运购票提醒"));
    EXPECT_EQ(server.requests("/gg/bottom.html"), 1);
}

TEST(BannerPaneTest, ShowsAQuietPlaceholderWhenThePageCannotBeFetched) {
    const testing::RefusingPort refusing;
    BannerPane pane;
    QSignalSpy finished(&pane, &BannerPane::loadFinished);
    pane.navigate(QStringLiteral("127.0.0.1:%1/gg/bottom.html").arg(refusing.port()));
    ASSERT_TRUE(finished.wait(patienceMs));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_FALSE(pane.showsPage());
    EXPECT_EQ(pane.shownText(), QStringLiteral("列车时刻表"));
}

} // namespace
} // namespace tessarin::app
