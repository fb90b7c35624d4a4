#pragma once

#include "SkinColours.h"
#include "SkinElements.h"
#include "WindowBorders.h"

#include <QBrush>
#include <QColor>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tessarin::skin {

// A skin as read from its archive: colours, window borders, caption buttons,
// the caption text's placement, and the elements of the controls, among them
// the pictures derived from others. Elements are found by the name of the
// section they were read from (any letter case); besides those the reader
// adds "MenuBar" (from "Personality"), "Toolbar" and "ComboxArrow".
class SkinData {
public:
    SkinData() = default;
    SkinData(SkinData&&) = default;
    SkinData& operator=(SkinData&&) = default;

    QString captionSkinName;
    // The window borders by BorderSide; absent without an image key. The left
    // and right images hold their frames side by side, the top and bottom
    // images stacked; frame 1 is the active look, frame 2 the inactive one.
    std::array<std::optional<TSkinElement>, 4> borders;
    SkinColours colours;
    std::vector<QColor> colourList;
    std::array<QColor, 10> customColours;
    std::vector<TSkinCaptionButtonElement> captionButtons;
    TSkinTitleElement title;
    // The menu bar's "TileLeftMenu" and "TileRightMenu".
    int menuBarTileLeft = 1;
    int menuBarTileRight = 1;
    // For painting backgrounds in the "ButtonFace" colour.
    QBrush buttonFaceBrush;

    const TSkinElement* element(const QString& name) const;
    TSkinElement* element(const QString& name);
    template <typename Element>
    const Element* elementAs(const QString& name) const {
        return dynamic_cast<const Element*>(element(name));
    }
    const std::vector<std::unique_ptr<TSkinElement>>& elements() const { return elements_; }
    TSkinElement& addElement(std::unique_ptr<TSkinElement> element);

    const TSkinElement* border(BorderSide side) const;
    // The frame a captioned window gets from the border images.
    FrameSizes frameSizes() const;

private:
    std::vector<std::unique_ptr<TSkinElement>> elements_;
};

} // namespace tessarin::skin
