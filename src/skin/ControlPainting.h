#pragma once

// How the skin draws push buttons, check boxes, edits and combo boxes. Each
// renderer is handed what the control looks like now (state, rectangle,
// text) and alone decides which frame of which picture to draw.

#include "SkinData.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace tessarin::skin {

// The frames of the push-button picture.
enum class ButtonFrame { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4, Default = 5 };

// Disabled whatever else holds; then pressed, hot, focused or default.
ButtonFrame pushButtonFrame(bool enabled, bool pressed, bool hot, bool focusedOrDefault);

struct PushButtonLook {
    QRect rect;
    ButtonFrame frame = ButtonFrame::Normal;
    QString caption;  // "||" stands for a line break
    QFont font;
    bool focusRect = false;
};

// The button face, the "Buttons" picture's frame in nine parts, and the
// caption centred one pixel above the middle in the skin's text colour of
// the state (the button-shadow colour when disabled).
void paintPushButton(QPainter& painter, const SkinData& skin, const PushButtonLook& look);

// The frame of the check-box picture: unchecked 1, checked 2, each 2 more
// when disabled; partly checked 4.
int checkBoxFrame(Qt::CheckState state, bool enabled);

struct CheckBoxLook {
    QRect rect;
    int frame = 1;
    QString caption;
    QFont font;
    QColor textColour;
    bool textLeft = false;  // the mark at the right, the text left of it
    bool focusRect = false;
};

// Whether the skin has a check-box picture to draw check boxes with.
bool hasCheckBoxPicture(const SkinData& skin);

// The button face, the mark's frame vertically centred at the left (or
// right) end, and the caption 2 pixels beside it.
void paintCheckBox(QPainter& painter, const SkinData& skin, const CheckBoxLook& look);

// Three one-pixel rings from the edit's outer edge inwards: the button
// shadow, then twice white; the sunken border becomes flat.
void paintFlatEditBorder(QPainter& painter, const SkinData& skin, const QRect& rect);

// The frames of the combo-box picture.
enum class ComboFrame { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4 };

// Disabled; pressed; focused or with the pointer over its button; normal.
ComboFrame comboBoxFrame(bool enabled, bool pressed, bool focused, bool hot);

// Whether the skin has a combo-box picture.
bool hasComboBoxPicture(const SkinData& skin);

struct ComboBoxLook {
    QRect rect;
    ComboFrame frame = ComboFrame::Normal;
    bool rightToLeft = false;
    QColor background;  // the box's own colour, for the flat frame of style 1
};

// The combo-box picture of the state over the whole box, transparent in
// magenta so the edit part shows through; with skins that have no combined
// picture, the edge, the button and its arrow apart.
void paintComboBox(QPainter& painter, const SkinData& skin, const ComboBoxLook& look, int scrollArrowWidth);

// A dotted focus rectangle.
void paintFocusRect(QPainter& painter, const QRect& rect);

} // namespace tessarin::skin
