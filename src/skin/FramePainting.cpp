#include "FramePainting.h"

#include "SkinPainting.h"

#include <QFontMetrics>

namespace tessarin::skin {
namespace {

// The top and bottom pictures hold their frames stacked.
QRect stackedFrameRect(const TSkinElement& border, int frame) {
    const int height = border.image.height() / std::max(border.frameCount, 1);
    return QRect(0, (frame - 1) * height, border.image.width(), height);
}

void paintBorder(QPainter& painter, const SkinData& skin, BorderSide side, const QRect& target, bool active) {
    const TSkinElement* border = skin.border(side);
    if (!border || target.isEmpty())
        return;
    const int frame = borderFrame(*border, active);
    const bool stacked = side == BorderSide::Top || side == BorderSide::Bottom;
    const QRect source = stacked ? stackedFrameRect(*border, frame) : border->frameRect(frame);
    drawNinePart(painter, border->image, source, target, border->margins(), border->tiled, false);
}

void paintTextBackground(QPainter& painter, const TSkinTitleElement& title, const FrameLook& look) {
    if (title.textBack.isNull())
        return;
    const int width = title.textBack.width() / std::max(title.textBackFrameCount, 1);
    const QRect source((look.active ? 0 : 1) * width, 0, width, title.textBack.height());
    const QRect target(look.textRect.left() - title.textBackLeft, 0,
                       look.textRect.width() + title.textBackLeft + title.textBackRight, look.frame.top);
    drawNinePart(painter, title.textBack, source, target, QMargins(title.textBackLeft, 0, title.textBackRight, 0),
                 true, false);
}

void paintCaptionText(QPainter& painter, const SkinData& skin, const FrameLook& look) {
    const QFontMetrics metrics(look.font);
    const QString shown = metrics.elidedText(look.text, Qt::ElideRight, look.textRect.width());
    painter.save();
    painter.setClipRect(look.textRect, Qt::IntersectClip);
    painter.setFont(look.font);
    painter.setPen(skin.colours[look.active ? SkinColourSlot::TitleTextActive : SkinColourSlot::TitleTextNoActive]);
    painter.drawText(look.textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.restore();
}

void paintCaptionButton(QPainter& painter, const CaptionButtonLook& button) {
    if (!button.icon.isNull())
        painter.drawPixmap(button.rect.topLeft(), button.icon);
    else if (button.element)
        drawSingleFrame(painter, *button.element, button.frame, button.rect);
}

} // namespace

int borderFrame(const TSkinElement& border, bool active) { return active || border.frameCount <= 1 ? 1 : 2; }

void paintBorders(QPainter& painter, const SkinData& skin, const FrameSizes& frame, QSize size, bool active) {
    const int width = size.width(), height = size.height();
    paintBorder(painter, skin, BorderSide::Left, QRect(0, 0, frame.left, height), active);
    paintBorder(painter, skin, BorderSide::Right, QRect(width - frame.right, 0, frame.right, height), active);
    paintBorder(painter, skin, BorderSide::Bottom,
                QRect(frame.left, height - frame.bottom, width - frame.left - frame.right, frame.bottom), active);
    paintBorder(painter, skin, BorderSide::Top, QRect(frame.left, 0, width - frame.left - frame.right, frame.top),
                active);
}

void paintFrame(QPainter& painter, const SkinData& skin, const FrameLook& look) {
    paintBorders(painter, skin, look.frame, look.size, look.active);
    paintTextBackground(painter, skin.title, look);
    paintCaptionText(painter, skin, look);
    for (const CaptionButtonLook& button : look.buttons)
        paintCaptionButton(painter, button);
}

} // namespace tessarin::skin
