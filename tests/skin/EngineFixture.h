#pragma once

#include "skin/TSkinComponent.h"
#include "skin/TSkinManager.h"
#include "skin/TSkinnedWindow.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace tessarin::skin::testing {

// A skin manager of the test's own with the main window's skin component
// registered, its skin applied at once instead of after 250 ms.
class EngineFixture : public ::testing::Test {
protected:
    EngineFixture();
    ~EngineFixture() override;

    const SkinData& skin() const { return *component.skin(); }
    // Applies the skin to every shown window now.
    void applyNow() { manager.runPendingAction(); }
    // Shows a window, lets it become active and skins it.
    TSkinnedWindow& showSkinned(QWidget& window);

    TSkinComponent component;
    TSkinManager manager;
};

// A form shaped like the main window: a 641 x 617 "ClientArea" child 6
// pixels in from each edge, a fixed size, a minimize box but no maximize box.
std::unique_ptr<QWidget> mainLikeForm();
// A dialog with the system menu and close box whose children lie on it
// directly.
std::unique_ptr<QDialog> plainDialog(QSize size = {300, 200});

// The frame (from 1) of a strip of `frameCount` equal frames whose pixels
// match `area` of `shown` 1:1, magenta pixels of the strip left out; 0 when
// none matches.
int shownFrame(const QImage& shown, const QRect& area, const QImage& strip, int frameCount,
               const QRect& partOfFrame);

// The frame of the element's picture drawn unstretched in `area`, judged by
// a corner of `part` of each frame.
int shownFrame(const QImage& shown, const QRect& area, const TSkinElement& element, const QRect& partOfFrame);

QColor pixel(const QImage& image, QPoint point);
QImage grabbed(QWidget& widget);

} // namespace tessarin::skin::testing
