#include "ControlPainting.h"

#include "SkinPainting.h"
#include "widgets/TColor.h"

#include <QFontMetrics>

namespace tessarin::skin {
namespace {

constexpr int buttonTextFlags = Qt::TextWordWrap | Qt::AlignHCenter | Qt::TextExpandTabs | Qt::TextShowMnemonic;

const QColor& colour(const SkinData& skin, SkinColourSlot slot) { return skin.colours[slot]; }

QColor pushButtonTextColour(const TSkinButtonElement* element, ButtonFrame frame) {
    if (frame == ButtonFrame::Disabled)
        return widgets::clBtnShadow.toQColor();
    if (!element)
        return widgets::clBtnText.toQColor();
    if (frame == ButtonFrame::Hot && element->mouseOverTextColourGiven)
        return element->mouseOverTextColour;
    if (frame == ButtonFrame::Pressed && element->pressedTextColourGiven)
        return element->pressedTextColour;
    return element->normalTextColour;
}

const TSkinButtonElement* buttonsElement(const SkinData& skin) {
    return skin.elementAs<TSkinButtonElement>(QStringLiteral("Buttons"));
}

// A one-pixel ring just inside `rect`.
void drawRing(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

QRect checkMarkSource(const TSkinButtonElement& element, int frame) {
    const int width = element.checkImage.width() / std::max(element.checkFrameCount, 1);
    return QRect((frame - 1) * width, 0, width, element.checkImage.height());
}

} // namespace

ButtonFrame pushButtonFrame(bool enabled, bool pressed, bool hot, bool focusedOrDefault) {
    if (!enabled)
        return ButtonFrame::Disabled;
    if (pressed)
        return ButtonFrame::Pressed;
    if (hot)
        return ButtonFrame::Hot;
    return focusedOrDefault ? ButtonFrame::Default : ButtonFrame::Normal;
}

void paintPushButton(QPainter& painter, const SkinData& skin, const PushButtonLook& look) {
    painter.fillRect(look.rect, colour(skin, SkinColourSlot::ButtonFace));
    const TSkinButtonElement* element = buttonsElement(skin);
    if (element)
        drawElementFrame(painter, *element, static_cast<int>(look.frame), look.rect);
    QString text = look.caption;
    text.replace(QLatin1String("||"), QLatin1String("\n"));
    const QFontMetrics metrics(look.font);
    const QRect measured = metrics.boundingRect(look.rect.adjusted(2, 2, -2, -2), buttonTextFlags, text);
    const QRect textRect(look.rect.left() + (look.rect.width() - measured.width()) / 2,
                         look.rect.top() + (look.rect.height() - measured.height()) / 2 - 1, measured.width(),
                         measured.height());
    painter.setFont(look.font);
    painter.setPen(pushButtonTextColour(element, look.frame));
    painter.drawText(textRect, buttonTextFlags, text);
    if (look.focusRect)
        paintFocusRect(painter, textRect.adjusted(-2, -2, 2, 2));
}

int checkBoxFrame(Qt::CheckState state, bool enabled) {
    if (state == Qt::PartiallyChecked)
        return 4;
    return (state == Qt::Checked ? 2 : 1) + (enabled ? 0 : 2);
}

bool hasCheckBoxPicture(const SkinData& skin) {
    const TSkinButtonElement* element = buttonsElement(skin);
    return element && !element->checkImage.isNull();
}

void paintCheckBox(QPainter& painter, const SkinData& skin, const CheckBoxLook& look) {
    painter.fillRect(look.rect, colour(skin, SkinColourSlot::ButtonFace));
    const TSkinButtonElement* element = buttonsElement(skin);
    if (!element)
        return;
    const QRect source = checkMarkSource(*element, look.frame);
    QRect mark(QPoint(), source.size());
    mark.moveTop(look.rect.top() + (look.rect.height() - mark.height()) / 2);
    if (look.textLeft)
        mark.moveRight(look.rect.right());
    else
        mark.moveLeft(look.rect.left());
    drawNinePart(painter, element->checkImage, source, mark, {}, false, true);
    if (look.caption.isEmpty())
        return;
    const QFontMetrics metrics(look.font);
    QRect text(QPoint(), metrics.size(Qt::TextShowMnemonic, look.caption));
    text.moveTop(look.rect.top() + (look.rect.height() - text.height()) / 2);
    if (look.textLeft)
        text.moveRight(mark.left() - 3);
    else
        text.moveLeft(mark.right() + 3);
    painter.setFont(look.font);
    painter.setPen(look.textColour);
    painter.drawText(text, Qt::TextShowMnemonic, look.caption);
    if (look.focusRect)
        paintFocusRect(painter, text.adjusted(-2, -1, 2, 1).intersected(look.rect));
}

void paintFlatEditBorder(QPainter& painter, const SkinData& skin, const QRect& rect) {
    drawRing(painter, rect, colour(skin, SkinColourSlot::ButtonShadow));
    drawRing(painter, rect.adjusted(1, 1, -1, -1), Qt::white);
    drawRing(painter, rect.adjusted(2, 2, -2, -2), Qt::white);
}

ComboFrame comboBoxFrame(bool enabled, bool pressed, bool focused, bool hot) {
    if (!enabled)
        return ComboFrame::Disabled;
    if (pressed)
        return ComboFrame::Pressed;
    return focused || hot ? ComboFrame::Hot : ComboFrame::Normal;
}

bool hasComboBoxPicture(const SkinData& skin) {
    const TSkinElement* button = skin.element(QStringLiteral("ComboButton"));
    return button && !button->image.isNull();
}

void paintComboBox(QPainter& painter, const SkinData& skin, const ComboBoxLook& look, int scrollArrowWidth) {
    const TSkinElement* button = skin.element(QStringLiteral("ComboButton"));
    const TSkinElement* sunkEdge = skin.element(QStringLiteral("SunkEdge"));
    const int frame = static_cast<int>(look.frame);
    if (!button)
        return;
    if (button->style == 2) {
        drawElementFrame(painter, look.rightToLeft && sunkEdge ? *sunkEdge : *button, frame, look.rect);
        return;
    }
    if (button->style == 1) {
        drawRing(painter, look.rect, colour(skin, SkinColourSlot::ButtonShadow));
        drawRing(painter, look.rect.adjusted(1, 1, -1, -1), look.background);
    } else if (sunkEdge) {
        drawElementFrame(painter, *sunkEdge, frame, look.rect);
    }
    const QRect box(look.rect.right() - 1 - scrollArrowWidth - 1, look.rect.top() + 2, scrollArrowWidth + 2,
                    look.rect.height() - 4);
    drawElementFrame(painter, *button, frame, box);
    if (const TSkinElement* arrow = skin.element(QStringLiteral("ComboxArrow"))) {
        QRect glyph(QPoint(), arrow->frameRect(frame).size());
        glyph.moveCenter(box.center());
        drawSingleFrame(painter, *arrow, frame, glyph);
    }
}

void paintFocusRect(QPainter& painter, const QRect& rect) {
    painter.save();
    QPen dotted(Qt::black, 1, Qt::DotLine);
    dotted.setCosmetic(true);
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace tessarin::skin
