#include "DerivedImages.h"

#include "SkinPainting.h"

#include <memory>

namespace tessarin::skin {
namespace {

constexpr QSize comboPictureSize(50, 21);
constexpr int comboArrowSize = 17;
constexpr QSize toolbarSize(10, 40);

// One combo-box picture per state: the edge over the whole picture, the
// interior magenta (the edit shows through), and at the right, in a box as
// wide as the arrow plus 2 and 2 pixels in from the top, right and bottom,
// the button with its arrow centred on it.
QImage comboPictures(const TSkinElement& sunkEdge, const TSkinElement& button, const TSkinElement* arrows,
                     int arrowWidth) {
    const int states = std::max(sunkEdge.frameCount, 1);
    QImage strip(comboPictureSize.width() * states, comboPictureSize.height(), QImage::Format_RGB32);
    strip.fill(transparentMagenta);
    QPainter painter(&strip);
    const int boxWidth = arrowWidth + 2;
    for (int state = 1; state <= states; ++state) {
        const QRect picture(QPoint(comboPictureSize.width() * (state - 1), 0), comboPictureSize);
        drawElementFrame(painter, sunkEdge, state, picture);
        painter.fillRect(QRect(picture.topLeft() + QPoint(2, 2), picture.topLeft() + QPoint(46 - arrowWidth, 17)),
                         transparentMagenta);
        const QRect box(picture.right() - 1 - boxWidth, picture.top() + 2, boxWidth, picture.height() - 4);
        drawElementFrame(painter, button, state, box);
        if (arrows && !arrows->image.isNull()) {
            const QRect glyph = arrows->frameRect(state);
            QRect centred(QPoint(), glyph.size());
            centred.moveCenter(box.center());
            drawSingleFrame(painter, *arrows, state, centred);
        }
    }
    return strip;
}

// The combo-box arrow of each state: the 17 x 17 square that ends 2 pixels
// before the picture's right edge, from y 2.
QImage comboArrowsFrom(const QImage& pictures, int states) {
    QImage arrows(comboArrowSize * states, comboArrowSize, QImage::Format_RGB32);
    QPainter painter(&arrows);
    for (int state = 0; state < states; ++state) {
        const int right = comboPictureSize.width() * (state + 1) - 2;
        painter.drawImage(QPoint(comboArrowSize * state, 0),
                          pictures.copy(right - comboArrowSize, 2, comboArrowSize, comboArrowSize));
    }
    return arrows;
}

QImage withMagentaReplaced(const QImage& image, const QColor& colour) {
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == transparentMagenta.rgb())
                line[x] = colour.rgb();
        }
    }
    return result;
}

void addComboArrow(SkinData& skin, QImage image, int frameCount) {
    auto arrow = std::make_unique<TSkinElement>();
    arrow->name = QStringLiteral("ComboxArrow");
    arrow->image = std::move(image);
    arrow->frameCount = frameCount;
    skin.addElement(std::move(arrow));
}

void deriveComboBoxPictures(SkinData& skin, int arrowWidth) {
    TSkinElement* button = skin.element(QStringLiteral("ComboButton"));
    if (!button || button->image.isNull())
        return;
    TSkinElement* sunkEdge = skin.element(QStringLiteral("SunkEdge"));
    if (!sunkEdge || sunkEdge->image.isNull()) {
        addComboArrow(skin, withMagentaReplaced(button->image, skin.colours[SkinColourSlot::ButtonFace]),
                      button->frameCount);
        return;
    }
    const int states = std::max(sunkEdge->frameCount, 1);
    const QImage pictures = comboPictures(*sunkEdge, *button, skin.element(QStringLiteral("ExtraImages")), arrowWidth);
    button->image = pictures;
    button->style = 2;
    button->leftWidth = 2;
    button->rightWidth = arrowWidth + 4;
    button->topHeight = sunkEdge->topHeight;
    button->bottomHeight = sunkEdge->bottomHeight;
    button->transparent = true;
    // The mirrored pictures serve right-to-left combo boxes; each state is
    // mirrored in its place so that frame k is still state k.
    sunkEdge->image = mirroredFrames(pictures, states);
    sunkEdge->leftWidth = arrowWidth + 4;
    sunkEdge->rightWidth = 2;
    sunkEdge->transparent = true;
    addComboArrow(skin, comboArrowsFrom(pictures, states), states);
}

// The colour of the window border: the top border at a third of its width
// and a third of one frame's height, or the button face.
QColor borderColour(const SkinData& skin) {
    const TSkinElement* top = skin.border(BorderSide::Top);
    if (!top || top->image.isNull())
        return skin.colours[SkinColourSlot::ButtonFace];
    const int frameHeight = top->image.height() / std::max(top->frameCount, 1);
    return top->image.pixelColor(top->image.width() / 3, frameHeight / 3);
}

QColor blend(const QColor& colour, const QColor& with, double amount) {
    const auto channel = [amount](int a, int b) { return static_cast<int>(a + (b - a) * amount + 0.5); };
    return QColor(channel(colour.red(), with.red()), channel(colour.green(), with.green()),
                  channel(colour.blue(), with.blue()));
}

void addToolbarBackground(SkinData& skin) {
    const QColor border = borderColour(skin);
    QImage image(toolbarSize, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, toolbarSize.height() - 1);
    gradient.setColorAt(0, blend(border, Qt::white, 0.6));
    gradient.setColorAt(1, blend(border, Qt::white, 0.1));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    auto toolbar = std::make_unique<TSkinElement>();
    toolbar->name = QStringLiteral("Toolbar");
    toolbar->image = std::move(image);
    toolbar->frameCount = 1;
    skin.addElement(std::move(toolbar));
}

} // namespace

void deriveImages(SkinData& skin, int scrollArrowWidth) {
    deriveComboBoxPictures(skin, scrollArrowWidth);
    addToolbarBackground(skin);
    skin.buttonFaceBrush = QBrush(skin.colours[SkinColourSlot::ButtonFace]);
}

} // namespace tessarin::skin
