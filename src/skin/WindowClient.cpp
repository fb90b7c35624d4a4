#include "WindowClient.h"

#include <QLayout>
#include <QWidget>

namespace tessarin::skin {

WindowClient::WindowClient(QWidget& window)
    : window_(window),
      clientArea_(window.findChild<QWidget*>(QStringLiteral("ClientArea"), Qt::FindDirectChildrenOnly)) {}

void WindowClient::remember() {
    if (remembered_)
        return;
    remembered_ = true;
    if (clientArea_)
        clientAreaBefore_ = clientArea_->geometry();
    marginsBefore_ = window_.contentsMargins();
    sizeBefore_ = window_.size();
    minimumBefore_ = window_.minimumSize();
    maximumBefore_ = window_.maximumSize();
    positionBefore_ = window_.frameGeometry().topLeft();
    for (QWidget* child : placedChildren())
        childrenBefore_.emplace_back(child, child->pos());
}

std::vector<QWidget*> WindowClient::placedChildren() const {
    std::vector<QWidget*> children;
    const QLayout* layout = window_.layout();
    for (QObject* object : window_.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && child != clientArea_ && !(layout && layout->indexOf(child) >= 0))
            children.push_back(child);
    }
    return children;
}

QSize WindowClient::clientSize() const {
    if (!remembered_)
        return clientArea_ ? clientArea_->size() : window_.size();
    return clientArea_ ? clientAreaBefore_.size() : sizeBefore_;
}

void WindowClient::fit(const FrameSizes& frame, int minimumWidth) {
    remember();
    const QSize client = clientSize();
    const int framedWidth = client.width() + frame.left + frame.right;
    const int extra = std::max(0, minimumWidth - framedWidth);
    const QPoint corner(frame.left + extra / 2, frame.top);
    if (clientArea_) {
        clientArea_->move(corner);
    } else {
        for (const auto& [child, position] : childrenBefore_) {
            if (child)
                child->move(position + corner);
        }
    }
    window_.setContentsMargins(marginsBefore_ + QMargins(corner.x(), corner.y(), frame.right + extra - extra / 2,
                                                         frame.bottom));
    resizeWindow(QSize(framedWidth + extra, client.height() + frame.top + frame.bottom));
    window_.move(positionBefore_);
}

void WindowClient::resizeWindow(QSize size) {
    if (minimumBefore_ == maximumBefore_) {
        window_.setFixedSize(size);
        return;
    }
    const QSize growth = size - clientSize();
    const auto grown = [&](QSize limit, int unset) {
        return QSize(limit.width() == unset ? unset : limit.width() + growth.width(),
                     limit.height() == unset ? unset : limit.height() + growth.height());
    };
    window_.setMinimumSize(grown(minimumBefore_, 0));
    window_.setMaximumSize(grown(maximumBefore_, QWIDGETSIZE_MAX));
    window_.resize(size);
}

void WindowClient::restore() {
    if (!remembered_)
        return;
    if (clientArea_)
        clientArea_->setGeometry(clientAreaBefore_);
    for (const auto& [child, position] : childrenBefore_) {
        if (child)
            child->move(position);
    }
    window_.setContentsMargins(marginsBefore_);
    window_.setMinimumSize(minimumBefore_);
    window_.setMaximumSize(maximumBefore_);
    window_.resize(sizeBefore_);
    window_.move(positionBefore_);
    childrenBefore_.clear();
    remembered_ = false;
}

} // namespace tessarin::skin
