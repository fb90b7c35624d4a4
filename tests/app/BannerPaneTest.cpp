#include "app/BannerPane.h"
#include "support/LoopbackHttpServer.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
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

// The pane takes part in the tab order, and Tab goes on through the page's
// links and then out of it.
TEST(BannerPaneTest, TabEntersThePaneVisitsItsLinksAndLeavesIt) {
    LoopbackHttpServer server(testing::okAnswer(
        "text/html; charset=utf-8",
        R"(<html><body><a href="http://a.example/">购票</a> <a href="http://b.example/">正晚点</a></body></html>)"));
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("前"), &window);
    auto* pane = new BannerPane(&window);
    auto* after = new QPushButton(QStringLiteral("后"), &window);
    pane->setGeometry(0, 30, 300, 100);
    after->move(0, 140);
    QSignalSpy finished(pane, &BannerPane::loadFinished);
    pane->navigate(QString::fromStdString(server.address("/gg/bottom.html")));
    ASSERT_TRUE(finished.wait(patienceMs));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, patienceMs));

    before->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    EXPECT_TRUE(pane->hasFocus());
    int tabs = 1;
    for (; !after->hasFocus() && tabs < 6; ++tabs) {
        EXPECT_TRUE(pane->hasFocus()) << "Tab " << tabs;
        QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    }
    EXPECT_TRUE(after->hasFocus()) << "Tab does not leave the pane";
    EXPECT_GE(tabs, 3) << "the links are visited on the way";
}

} // namespace
} // namespace tessarin::app
