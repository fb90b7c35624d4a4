#include "BannerPane.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tessarin::app {
namespace {

constexpr int fetchTimeoutMs = 15000;

} // namespace

BannerPane::BannerPane(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->setFrameShape(QFrame::NoFrame);
    // The pane takes its place in the window's tab order; Tab moves on
    // through the page's links and then out of the pane.
    browser_->setFocusPolicy(Qt::TabFocus);
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(browser_);
    showPlaceholder();
}

void BannerPane::navigate(const QString& address) {
    if (!network_) {
        network_ = new QNetworkAccessManager(this);
        connect(network_, &QNetworkAccessManager::finished, this, &BannerPane::pageArrived);
    }
    const QUrl url = QUrl::fromUserInput(address);
    QNetworkRequest request(url);
    request.setTransferTimeout(fetchTimeoutMs);
    network_->get(request);
}

QString BannerPane::shownText() const { return browser_->toPlainText(); }

void BannerPane::showPlaceholder() {
    browser_->setHtml(QStringLiteral("<p align=\"center\" style=\"color:#a0a8c8\">列车时刻表</p>"));
    showsPage_ = false;
}

void BannerPane::pageArrived(QNetworkReply* reply) {
    reply->deleteLater();
    const bool ok = reply->error() == QNetworkReply::NoError;
    if (ok) {
        browser_->setHtml(QString::fromUtf8(reply->readAll()));
        showsPage_ = true;
    }
    emit loadFinished(ok);
}

} // namespace tessarin::app
