#pragma once

#include <QWidget>

class QNetworkAccessManager;
class QNetworkReply;
class QTextBrowser;

namespace tessarin::app {

// A pane that shows one web page: the banner at the foot of each query page.
// navigate() fetches the page in the background and shows it when it
// arrives; until then, and for good when the network or the page is missing,
// the pane shows a quiet placeholder. Links open in the desktop's browser.
// The pane takes part in the window's tab order: Tab enters it, goes on
// through the page's links and then out of it.
class BannerPane : public QWidget {
    Q_OBJECT

public:
    explicit BannerPane(QWidget* parent = nullptr);

    // Loads an address; one without a scheme gets "http://".
    void navigate(const QString& address);

    // The text the pane shows now (the page's or the placeholder's).
    QString shownText() const;
    bool showsPage() const noexcept { return showsPage_; }

signals:
    // The fetch ended, with the page shown or not.
    void loadFinished(bool ok);

private:
    void showPlaceholder();
    void pageArrived(QNetworkReply* reply);

    QTextBrowser* browser_;
    QNetworkAccessManager* network_ = nullptr;
    bool showsPage_ = false;
};

} // namespace tessarin::app
