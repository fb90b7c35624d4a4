#include "PlatformMetrics.h"

#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace tessarin::skin {

int horizontalScrollArrowWidth() {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    return windows->pixelMetric(QStyle::PM_ScrollBarExtent);
}

} // namespace tessarin::skin
