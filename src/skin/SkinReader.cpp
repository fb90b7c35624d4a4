#include "SkinReader.h"

#include "BuiltInTracks.h"
#include "DerivedImages.h"
#include "SkinFormatError.h"
#include "TIniText.h"
#include "data/LatinCase.h"
#include "widgets/TColor.h"

#include <algorithm>
#include <optional>
#include <array>
#include <string>

namespace tessarin::skin {
namespace {

using Slot = SkinColourSlot;
using widgets::SystemColor;

constexpr std::string_view personality = "Personality";

// Which keys an element reads besides its margins and transparency.
struct KeySet {
    std::string_view imageKey;
    bool style;
    bool frame;
    int tileAboveOne;  // what a tile value above 1 reads as
    bool colours;
};
constexpr KeySet commonKeys{"Image", true, true, 0, true};
constexpr KeySet commonKeysWithoutFrame{"Image", true, false, 0, true};
constexpr KeySet buttonKeys{"Bitmap", false, false, 0, true};
constexpr KeySet progressKeys{"Bitmap", true, false, 1, false};

// The elements read with the common keys, in reading order, and the kinds
// that read more.
enum class Kind { Common, MenuBar, Box, Border };
struct Recipe {
    std::string_view section;
    Kind kind = Kind::Common;
    std::string_view secondImageKey = {};
};
constexpr std::array<Recipe, 29> elementRecipes{{
    {"Progress.Chunk"},
    {"MenuBar", Kind::MenuBar},
    {"GroupBoxEdge"},
    {"GroupBox", Kind::Box},
    {"Tabs", Kind::Border, "Border"},
    {"StatusBarEdges"},
    {"Tab.Pane"},
    {"ToolBars"},
    {"ComboButton", Kind::Border, "****"},
    {"SunkEdge"},
    {"ExtraImages"},
    {"Headerbar"},
    {"MenuItem"},
    {"MenuBackground"},
    {"Scrollbar"},
    {"HorzScroll"},
    {"VertScroll"},
    {"HorzScrollThumb"},
    {"VertScrollThumb"},
    {"Trackbar.ThumbHorz"},
    {"Trackbar.ThumbVert"},
    {"Trackbar.ThumbLeft"},
    {"Trackbar.ThumbRight"},
    {"Trackbar.ThumbUp"},
    {"Trackbar.ThumbDown"},
    {"UpDown.Horz", Kind::Border, "GlyphImage"},
    {"UpDown.Vert", Kind::Border, "GlyphImage"},
    {"Track"},
    {"TRACKVERT"},
}};

// Frame counts the skin fixes whatever the definition says.
constexpr std::array<std::pair<std::string_view, int>, 24> fixedFrameCounts{{
    {"Buttons", 5},          {"MenuBar", 2},
    {"GroupBoxEdge", 2},     {"ToolBars", 5},
    {"Tabs", 5},             {"ExtraImages", 5},
    {"MenuItem", 5},         {"Trackbar.ThumbHorz", 5},
    {"Trackbar.ThumbVert", 5}, {"Trackbar.ThumbLeft", 5},
    {"Trackbar.ThumbRight", 5}, {"Trackbar.ThumbUp", 5},
    {"Trackbar.ThumbDown", 5}, {"Tab.Pane", 1},
    {"GroupBox", 1},         {"MenuBackground", 1},
    {"StatusBarEdges", 3},   {"ComboButton", 4},
    {"SunkEdge", 4},         {"HorzScroll", 4},
    {"VertScroll", 4},       {"Scrollbar", 23},
    {"UpDown.Horz", 8},      {"UpDown.Vert", 8},
}};

// The colour slots of section "Colours", in reading order, with their
// defaults; "Menubar" defaults to the button face just read.
struct ColourKey {
    std::string_view key;
    Slot slot;
    SystemColor fallback;
};
constexpr std::array<ColourKey, 16> colourKeys{{
    {"WindowText", Slot::WindowText, SystemColor::WindowText},
    {"TitleTextActive", Slot::TitleTextActive, SystemColor::CaptionText},
    {"TitleTextNoActive", Slot::TitleTextNoActive, SystemColor::InactiveCaptionText},
    {"ButtonFace", Slot::ButtonFace, SystemColor::BtnFace},
    {"ButtonText", Slot::ButtonText, SystemColor::BtnText},
    {"ButtonHilight", Slot::ButtonHilight, SystemColor::BtnHighlight},
    {"Buttonlight", Slot::Buttonlight, SystemColor::BtnHighlight},
    {"ButtonShadow", Slot::ButtonShadow, SystemColor::BtnShadow},
    {"ButtonDkShadow", Slot::ButtonDkShadow, SystemColor::DkShadow3D},
    {"HilightText", Slot::HilightText, SystemColor::HighlightText},
    {"Hilight", Slot::Hilight, SystemColor::Highlight},
    {"Menubar", Slot::Menubar, SystemColor::BtnFace},
    {"MenuBarText", Slot::MenuBarText, SystemColor::MenuText},
    {"MenuText", Slot::MenuText, SystemColor::MenuText},
    {"Menu", Slot::Menu, SystemColor::Menu},
    {"Scrollbar", Slot::Scrollbar, SystemColor::ScrollBar},
}};

// Sections named "BUTTON..." that are not caption buttons.
constexpr std::array<std::string_view, 4> notCaptionButtons{"BUTTON", "BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX"};

QString qName(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<int>(name.size())); }
QColor toColour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

class SkinReader {
public:
    SkinReader(const SkinArchive& archive, const TIniText& definition) : archive_(archive), ini_(definition) {}

    SkinData read(int scrollArrowWidth);

private:
    QImage image(std::string_view reference) const;
    int number(std::string_view section, std::string_view key, int fallback) const {
        return ini_.readInteger(section, key, fallback);
    }
    QColor colour(std::string_view section, std::string_view key, const QColor& fallback) const;
    void readKeys(TSkinElement& element, std::string_view section, const KeySet& keys) const;

    void readBorders();
    void readColours();
    void readCaptionButtons();
    void readChildWindowButtons();
    void readButtons();
    void readTitle();
    void readProgress();
    void readElements();
    void readElement(const Recipe& recipe);
    void mirrorComboButton();
    void addTrackFallbacks();
    void fixFrameCounts();

    const SkinArchive& archive_;
    const TIniText& ini_;
    SkinData skin_;
};

QImage SkinReader::image(std::string_view reference) const {
    const auto file = archive_.bitmapFile(reference);
    if (file.empty())
        return {};
    return QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP").convertToFormat(QImage::Format_RGB32);
}

QColor SkinReader::colour(std::string_view section, std::string_view key, const QColor& fallback) const {
    const auto rgb = ini_.readColour(section, key);
    return rgb ? toColour(*rgb) : fallback;
}

void SkinReader::readKeys(TSkinElement& element, std::string_view section, const KeySet& keys) const {
    element.name = qName(section);
    element.image = image(ini_.readString(section, keys.imageKey));
    if (keys.style)
        element.style = number(section, "Style", 0);
    element.leftWidth = number(section, "LeftWidth", 0);
    element.rightWidth = number(section, "RightWidth", 0);
    element.topHeight = number(section, "TopHeight", 0);
    element.bottomHeight = number(section, "BottomHeight", 0);
    if (keys.frame)
        element.frameCount = number(section, "Frame", 0);
    element.transparent = number(section, "Trans", 0) == 1;
    const int tile = number(section, "Tile", 0);
    element.tiled = (tile > 1 ? keys.tileAboveOne : tile) == 1;
    if (!keys.colours)
        return;
    element.normalColour = number(section, "NormalColour", -1);
    element.mouseOverColour = number(section, "MouseOverColour", -1);
    element.pressedColour = number(section, "PressedColour", -1);
    const QColor buttonText = skin_.colours[Slot::ButtonText];
    element.normalTextColour = colour(section, "NormalColour2", buttonText);
    element.mouseOverTextColour = colour(section, "MouseOverColour2", buttonText);
    element.pressedTextColour = colour(section, "PressedColour2", buttonText);
}

void SkinReader::readBorders() {
    for (BorderSide side : borderSides) {
        const auto settings = readWindowBorder(ini_, side);
        if (!settings)
            continue;
        TSkinElement border;
        border.name = qName(borderName(side));
        border.image = image(settings->image);
        const bool sideways = side == BorderSide::Left || side == BorderSide::Right;
        (sideways ? border.topHeight : border.leftWidth) = settings->fixedStart;
        (sideways ? border.bottomHeight : border.rightWidth) = settings->fixedEnd;
        border.frameCount = settings->frameCount;
        border.tiled = settings->stretch != 1;
        border.transparent = settings->transparent == 1;
        skin_.borders[static_cast<int>(side)] = std::move(border);
    }
}

void SkinReader::readColours() {
    SkinColours& colours = skin_.colours;
    for (const ColourKey& key : colourKeys) {
        const int slot = static_cast<int>(key.slot);
        const QColor fallback =
            key.slot == Slot::Menubar ? colours[Slot::ButtonFace] : widgets::classicSystemColor(key.fallback);
        const auto rgb = ini_.readColour("Colours", key.key);
        colours.values[slot] = rgb ? toColour(*rgb) : fallback;
        colours.given[slot] = rgb.has_value();
    }

    for (const std::string& section : ini_.sectionNames()) {
        const std::string upper = data::upperLatin(section);
        if (upper.starts_with("COLOUR") && upper != "COLOURS")
            skin_.colourList.push_back(colour(section, "color", widgets::classicSystemColor(SystemColor::WindowText)));
    }
    for (int i = 0; i < 10; ++i)
        skin_.customColours[i] = colour("Customcolors", "Color" + std::to_string(i), Qt::white);
}

// A caption button's frame count: a given count, except that a negative
// action always has 6; without one, 3 for an image at most 3.8 times as wide
// as high and 6 otherwise.
int captionFrameCount(int frame, const QImage& image, int action) {
    if (action < 0)
        return 6;
    if (frame != 0)
        return frame;
    if (image.isNull() || image.height() == 0)
        return 6;
    return double(image.width()) / image.height() <= 3.8 ? 3 : 6;
}

void SkinReader::readCaptionButtons() {
    // Where the maximize button read so far stands, for a button that takes
    // its place (kept by value: the list grows as buttons are read).
    std::optional<QPoint> maximizePosition;
    for (const std::string& section : ini_.sectionNames()) {
        const std::string upper = data::upperLatin(section);
        if (!upper.starts_with("BUTTON") ||
            std::find(notCaptionButtons.begin(), notCaptionButtons.end(), upper) != notCaptionButtons.end())
            continue;
        const int action = number(section, "Action", 0);
        if (action == -1 && number(section, "Visibility", -1) != 0)
            continue;
        TSkinCaptionButtonElement button;
        button.name = QString::fromStdString(section);
        button.action = action;
        button.align = number(section, "Align", 0);
        button.x = number(section, "Xcoord", 0);
        button.y = number(section, "Ycoord", 0);
        button.visibility = number(section, "Visibility", 0);
        button.visibility1 = number(section, "Visibility1", action == -1 ? -1 : 0);
        button.combineOp = number(section, "CombineOp", -1);
        button.image = image(ini_.readString(section, "ButtonImage"));
        button.frameCount = captionFrameCount(number(section, "frame", 0), button.image, action);
        if (action == 4 && maximizePosition) {
            button.x = maximizePosition->x();
            button.y = maximizePosition->y();
        }
        if (action == 1 && button.visibility == 2)
            maximizePosition = QPoint(button.x, button.y);
        skin_.captionButtons.push_back(std::move(button));
    }
    readChildWindowButtons();
}

// Minimize, restore and close of a maximized child window: four states each
// from the twelve parts of the "MDICONTROLS" image. They sit in the menu bar.
void SkinReader::readChildWindowButtons() {
    const QImage parts = image(ini_.readString("MDICONTROLS", "Image"));
    const int partWidth = parts.width() / 12;
    for (int i = 0; i < 3; ++i) {
        TSkinCaptionButtonElement button;
        button.name = QStringLiteral("MDICONTROLS");
        button.action = 7 + i;
        button.align = 100;
        button.visibility = 100;
        button.x = (partWidth + 4) * (3 - i);
        button.frameCount = 4;
        if (!parts.isNull())
            button.image = parts.copy(4 * partWidth * i, 0, 4 * partWidth, parts.height());
        skin_.captionButtons.push_back(std::move(button));
    }
}

void SkinReader::readButtons() {
    constexpr std::string_view section = "Buttons";
    if (!ini_.hasKey(section, buttonKeys.imageKey))
        return;
    auto button = std::make_unique<TSkinButtonElement>();
    readKeys(*button, section, buttonKeys);
    button->checkImage = image(ini_.readString(section, "CheckButton"));
    button->radioImage = image(ini_.readString(section, "RadioButton"));
    button->checkFrameCount = number(section, "CheckButtonFrame", 0);
    button->radioFrameCount = number(section, "RadioButtonFrame", 0);
    button->normalTextColourGiven = ini_.readColour(section, "NormalColour2").has_value();
    button->mouseOverTextColourGiven = ini_.readColour(section, "MouseOverColour2").has_value();
    button->pressedTextColourGiven = ini_.readColour(section, "PressedColour2").has_value();
    skin_.addElement(std::move(button));
}

void SkinReader::readTitle() {
    TSkinTitleElement& title = skin_.title;
    title.textBack = image(ini_.readString(personality, "TextBack"));
    title.textShift = number(personality, "TextShift", 0);
    title.textShiftVert = number(personality, "TextShiftVert", 0);
    title.textRightClip = number(personality, "TextRightClip", 0);
    title.textAlignment = number(personality, "TextAlignment", 0);
    title.textBackground = number(personality, "Textbackground", 0);
    title.textBackLeft = number(personality, "TXTBackleft", 0);
    title.textBackRight = number(personality, "TXTBackRight", 0);
    title.fontHeight = number("Fonts", "FontHeight", 14);
    const auto textColour = [&](const std::string& key) -> std::optional<QColor> {
        const int red = number(personality, key + "R", -1);
        const int green = number(personality, key + "G", -1);
        const int blue = number(personality, key + "B", -1);
        if (red < 0 || green < 0 || blue < 0)
            return std::nullopt;
        return QColor(std::min(red, 255), std::min(green, 255), std::min(blue, 255));
    };
    title.activeTextColour = textColour("ActiveText");
    title.inactiveTextColour = textColour("InActiveText");
}

void SkinReader::readProgress() {
    constexpr std::string_view section = "Progress";
    if (!ini_.hasKey(section, progressKeys.imageKey))
        return;
    auto progress = std::make_unique<TSkinElement>();
    readKeys(*progress, section, progressKeys);
    skin_.addElement(std::move(progress));
}

void SkinReader::readElement(const Recipe& recipe) {
    if (recipe.kind == Kind::MenuBar) {
        if (!ini_.hasKey(personality, "MenuBar"))
            return;
        auto menuBar = std::make_unique<TSkinElement>();
        menuBar->name = qName(recipe.section);
        menuBar->image = image(ini_.readString(personality, "MenuBar"));
        menuBar->tiled = std::min(number(personality, "TileMenu", 1), 1) == 1;
        skin_.menuBarTileLeft = number(personality, "TileLeftMenu", 1);
        skin_.menuBarTileRight = number(personality, "TileRightMenu", 1);
        skin_.addElement(std::move(menuBar));
        return;
    }
    if (!ini_.hasKey(recipe.section, commonKeys.imageKey))
        return;
    std::unique_ptr<TSkinElement> element;
    if (recipe.kind == Kind::Box) {
        auto box = std::make_unique<TSkinBoxElement>();
        box->backgroundAlignment = number(recipe.section, "BackgroundAlignment", 0);
        box->backgroundLeftShift = number(recipe.section, "BackgroundLeftShift", 0);
        box->backgroundRightShift = number(recipe.section, "BackgroundRightShift", 0);
        element = std::move(box);
    } else if (recipe.kind == Kind::Border) {
        auto border = std::make_unique<TSkinBorderElement>();
        border->secondImage = image(ini_.readString(recipe.section, recipe.secondImageKey));
        element = std::move(border);
    } else {
        element = std::make_unique<TSkinElement>();
    }
    readKeys(*element, recipe.section, recipe.kind == Kind::Common ? commonKeys : commonKeysWithoutFrame);
    skin_.addElement(std::move(element));
}

void SkinReader::readElements() {
    for (const Recipe& recipe : elementRecipes)
        readElement(recipe);
    if (TSkinElement* pane = skin_.element(QStringLiteral("Tab.Pane"))) {
        for (int* margin : {&pane->leftWidth, &pane->topHeight, &pane->rightWidth, &pane->bottomHeight})
            *margin = std::min(*margin, 4);
    }
}

void SkinReader::mirrorComboButton() {
    auto* combo = dynamic_cast<TSkinBorderElement*>(skin_.element(QStringLiteral("ComboButton")));
    if (combo && !combo->image.isNull())
        combo->secondImage = combo->image.mirrored(true, false).convertToFormat(QImage::Format_RGB888);
}

void SkinReader::addTrackFallbacks() {
    for (const auto& [name, orientation] : {std::pair{"Track", Qt::Horizontal}, std::pair{"TRACKVERT", Qt::Vertical}}) {
        if (skin_.element(QString::fromLatin1(name)))
            continue;
        auto track = std::make_unique<TSkinElement>();
        track->name = QString::fromLatin1(name);
        track->image = builtInTrackImage(orientation);
        track->leftWidth = track->topHeight = track->rightWidth = track->bottomHeight = 3;
        track->frameCount = 1;
        skin_.addElement(std::move(track));
    }
}

// The check-box or radio-button frame count: as given, or from the image,
// frames 13 pixels wide for an image lower than 16 pixels and 16 otherwise,
// and at least 4.
int markFrameCount(int given, const QImage& image) {
    if (given != 0)
        return given;
    return std::max(image.width() / (image.height() < 16 ? 13 : 16), 4);
}

void SkinReader::fixFrameCounts() {
    for (const auto& [name, frames] : fixedFrameCounts) {
        if (TSkinElement* element = skin_.element(qName(name)))
            element->frameCount = frames;
    }
    if (auto* button = dynamic_cast<TSkinButtonElement*>(skin_.element(QStringLiteral("Buttons")))) {
        button->checkFrameCount = markFrameCount(button->checkFrameCount, button->checkImage);
        button->radioFrameCount = markFrameCount(button->radioFrameCount, button->radioImage);
    }
    if (TSkinElement* progress = skin_.element(QStringLiteral("Progress")))
        progress->frameCount = progress->style != 0 ? 1 : 2;
    if (TSkinElement* header = skin_.element(QStringLiteral("Headerbar")); header && header->frameCount == 0)
        header->frameCount = 5;
    for (std::string_view thumb : {"HorzScrollThumb", "VertScrollThumb"}) {
        if (TSkinElement* element = skin_.element(qName(thumb)))
            element->frameCount = number(thumb, "FrameCount", 3);
    }
}

SkinData SkinReader::read(int scrollArrowWidth) {
    skin_.captionSkinName = QString::fromStdString(ini_.readString("TitlebarSkin", "SkinName"));
    readBorders();
    readColours();
    readCaptionButtons();
    readButtons();
    readTitle();
    readProgress();
    readElements();
    mirrorComboButton();
    addTrackFallbacks();
    fixFrameCounts();
    deriveImages(skin_, scrollArrowWidth);
    return std::move(skin_);
}

} // namespace

SkinData readSkin(const SkinArchive& archive, int scrollArrowWidth) {
    const SkinArchiveEntry* definition = archive.definition();
    if (!definition)
        throw SkinFormatError("Skin archive: no definition text (an \".ini\" entry)");
    const auto text = archive.contents(*definition);
    const TIniText ini(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    return SkinReader(archive, ini).read(scrollArrowWidth);
}

} // namespace tessarin::skin
