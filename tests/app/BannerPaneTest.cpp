#include "app/BannerPane.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

namespace tessarin::app {
namespace {

// Serves one page on loopback to every request and counts the requests.
class PageServer : public QTcpServer {
public:
    explicit PageServer(QByteArray page) : page_(std::move(page)) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                ++requests;
                socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n\r\n" + page_);
                socket->disconnectFromHost();
            });
        });
    }
    QString address() const { return QStringLiteral("127.0.0.1:%1/gg/bottom.html").arg(serverPort()); }
    int requests = 0;

private:
    QByteArray page_;
};

TEST(BannerPaneTest, ShowsThePageOfAnAddressWithoutScheme) {
    PageServer server("<html><body>春运购票提醒</body></html>");
    BannerPane pane;
    QSignalSpy finished(&pane, &BannerPane::loadFinished);
    pane.navigate(server.address());
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_TRUE(pane.showsPage());
    EXPECT_EQ(pane.shownText(), QStringLiteral("春运购票提醒"));
    EXPECT_EQ(server.requests, 1);
}

TEST(BannerPaneTest, ShowsAQuietPlaceholderWhenThePageCannotBeFetched) {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();

    BannerPane pane;
    QSignalSpy finished(&pane, &BannerPane::loadFinished);
    pane.navigate(QStringLiteral("127.0.0.1:%1/gg/bottom.html").arg(port));
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_FALSE(finished.at(0).at(0).toBool());
    EXPECT_FALSE(pane.showsPage());
    EXPECT_EQ(pane.shownText(), QStringLiteral("列车时刻表"));
}

// The pane takes part in the tab order, and Tab goes on through the page's
// links and then out of it.
TEST(BannerPaneTest, TabEntersThePaneVisitsItsLinksAndLeavesIt) {
    PageServer server(R"(<html><body><a href="http://a.example/">购票</a> <a href="http://b.example/">正晚点</a></body></html>)");
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("前"), &window);
    auto* pane = new BannerPane(&window);
    auto* after = new QPushButton(QStringLiteral("后"), &window);
    pane->setGeometry(0, 30, 300, 100);
    after->move(0, 140);
    QSignalSpy finished(pane, &BannerPane::loadFinished);
    pane->navigate(server.address());
    ASSERT_TRUE(finished.wait(5000));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

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
