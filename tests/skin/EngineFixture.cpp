#include "EngineFixture.h"

#include "skin/MainWindowSkin.h"

#include <QApplication>
#include <QTest>

namespace tessarin::skin::testing {

EngineFixture::EngineFixture() {
    loadMainWindowSkin(component);
    component.finishLoading();
    manager.registerComponent(component);
}

EngineFixture::~EngineFixture() = default;

TSkinnedWindow& EngineFixture::showSkinned(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    applyNow();
    TSkinnedWindow* skinned = TSkinnedWindow::of(window);
    if (!skinned)
        throw std::runtime_error("the window was not skinned");
    return *skinned;
}

std::unique_ptr<QWidget> mainLikeForm() {
    auto form = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    form->setWindowTitle(QStringLiteral("列车时刻表"));
    auto* client = new QWidget(form.get());
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setGeometry(6, 6, 641, 617);
    form->setFixedSize(653, 629);
    return form;
}

std::unique_ptr<QDialog> plainDialog(QSize size) {
    auto dialog = std::make_unique<QDialog>(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                         Qt::WindowCloseButtonHint);
    dialog->setWindowTitle(QStringLiteral("车次：K7322"));
    dialog->resize(size);
    return dialog;
}

int shownFrame(const QImage& shown, const QRect& area, const QImage& strip, int frameCount,
               const QRect& partOfFrame) {
    const int width = strip.width() / frameCount;
    for (int frame = 1; frame <= frameCount; ++frame) {
        bool same = true;
        int compared = 0;
        for (int y = partOfFrame.top(); same && y <= partOfFrame.bottom(); ++y) {
            for (int x = partOfFrame.left(); same && x <= partOfFrame.right(); ++x) {
                const QRgb expected = strip.pixel((frame - 1) * width + x, y);
                if (qRed(expected) == 255 && qGreen(expected) == 0 && qBlue(expected) == 255)
                    continue;
                ++compared;
                same = shown.pixel(area.topLeft() + QPoint(x, y)) == expected;
            }
        }
        if (same && compared > 0)
            return frame;
    }
    return 0;
}

int shownFrame(const QImage& shown, const QRect& area, const TSkinElement& element, const QRect& partOfFrame) {
    return shownFrame(shown, area, element.image, element.frameCount, partOfFrame);
}

QColor pixel(const QImage& image, QPoint point) { return image.pixelColor(point); }

QImage grabbed(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace tessarin::skin::testing
