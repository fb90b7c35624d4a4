#include "ArtworkPainting.h"
#include "ArtworkPieces.h"

#include <array>
#include <cmath>

namespace tessarin::skin::tools {
namespace {

// The five looks of a control image, in frame order.
constexpr std::array<Look, 5> fiveLooks{Look::Normal, Look::Pressed, Look::Disabled, Look::Hot, Look::Default};

QImage raisedStates(QSize frame, int count) {
    return frameStrip(frame, count, [](QPainter& painter, const QRect& area, int index) {
        raisedBox(painter, area, shadeOf(fiveLooks[index]));
    });
}

// Fills the pixels of `area` within `radius` of its centre.
void disc(QPainter& painter, const QRect& area, double radius, const QColor& colour) {
    const double cx = area.left() + (area.width() - 1) / 2.0;
    const double cy = area.top() + (area.height() - 1) / 2.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (std::hypot(x - cx, y - cy) <= radius)
                painter.fillRect(x, y, 1, 1, colour);
        }
    }
}

constexpr std::array<std::string_view, 7> checkMark{"......#", ".....##", "#...###", "##.###.", "#####..", ".###...",
                                                     "..#...."};
constexpr std::array<std::string_view, 4> downArrow{"#######", ".#####.", "..###..", "...#..."};

// Check boxes and radio buttons: unchecked, checked, unchecked disabled,
// checked disabled (also the look of an undetermined state).
struct MarkState {
    bool checked;
    bool enabled;
};
constexpr std::array<MarkState, 4> markStates{{{false, true}, {true, true}, {false, false}, {true, false}}};

QColor markColour(const MarkState& state) { return state.enabled ? palette::glyph : palette::shadow; }
QColor boxFill(const MarkState& state) { return state.enabled ? palette::white : QColor(232, 233, 238); }

} // namespace

QImage pushButton() { return raisedStates(QSize(18, 23), 5); }

QImage checkBox() {
    return frameStrip(QSize(13, 13), 4, [](QPainter& painter, const QRect& frame, int index) {
        const MarkState state = markStates[index];
        painter.fillRect(frame, boxFill(state));
        outlineRect(painter, frame, state.enabled ? palette::outline : palette::shadow);
        if (state.checked)
            drawPattern(painter, frame, checkMark, markColour(state));
    });
}

QImage radioButton() {
    return frameStrip(QSize(13, 13), 4, [](QPainter& painter, const QRect& frame, int index) {
        const MarkState state = markStates[index];
        disc(painter, frame, 6.2, state.enabled ? palette::outline : palette::shadow);
        disc(painter, frame, 5.2, boxFill(state));
        if (state.checked)
            disc(painter, frame, 2.3, markColour(state));
    });
}

// The empty trough, then the filled bar.
QImage progressBar() {
    return frameStrip(QSize(20, 16), 2, [](QPainter& painter, const QRect& frame, int index) {
        if (index == 0) {
            sunkenWell(painter, frame, QColor(236, 238, 246));
        } else {
            verticalGradient(painter, frame, mix(palette::buttonFace, palette::white, 0.6), palette::steel);
            outlineRect(painter, frame, palette::outline);
        }
    });
}

// An etched line: shadow outside, white inside; the second frame is disabled.
QImage groupBoxEdge() {
    return frameStrip(QSize(12, 12), 2, [](QPainter& painter, const QRect& frame, int index) {
        painter.fillRect(frame, palette::buttonFace);
        outlineRect(painter, frame.adjusted(1, 1, 0, 0), palette::white);
        outlineRect(painter, frame.adjusted(0, 0, -1, -1), index == 0 ? palette::steel : palette::shadow);
    });
}

QImage groupBoxTop() {
    QImage image(24, 24, QImage::Format_RGB32);
    QPainter painter(&image);
    verticalGradient(painter, image.rect(), mix(palette::buttonFace, palette::white, 0.3), palette::buttonFace);
    outlineRect(painter, image.rect(), palette::steel);
    return image;
}

QImage tabPanel() {
    QImage image(24, 24, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), mix(palette::buttonFace, palette::white, 0.25));
    outlineRect(painter, image.rect(), palette::outline);
    painter.fillRect(1, 1, 22, 1, palette::white);
    return image;
}

// Tabs in the five looks; open at the bottom, where they meet the pane.
QImage tabItem() {
    return frameStrip(QSize(24, 22), 5, [](QPainter& painter, const QRect& frame, int index) {
        raisedBox(painter, frame.adjusted(0, 0, 0, 1), shadeOf(fiveLooks[index]));
    });
}

// The status bar, a panel within it, and the corner with the size grip.
QImage statusBar() {
    return frameStrip(QSize(12, 18), 3, [](QPainter& painter, const QRect& frame, int index) {
        painter.fillRect(frame, palette::buttonFace);
        if (index == 1)
            sunkenWell(painter, frame.adjusted(1, 2, -1, -1), mix(palette::buttonFace, palette::white, 0.3));
        if (index == 2) {
            for (int step = 0; step < 3; ++step)
                painter.fillRect(frame.right() - 2 - 3 * step, frame.bottom() - 2, 2, 2, palette::steel);
        }
    });
}

// The button at the right of a combo box: normal, pressed, disabled, under
// the pointer. Its arrow comes from the extra images.
QImage comboBoxButton() { return raisedStates(QSize(16, 18), 4); }

// A combo box's edge: a one-pixel line around the white edit area.
QImage comboBoxBorder() {
    static const std::array<QColor, 4> edges{QColor(120, 136, 190), palette::steel, palette::shadow, palette::outline};
    return frameStrip(QSize(5, 21), 4, [](QPainter& painter, const QRect& frame, int index) {
        painter.fillRect(frame, index == 2 ? QColor(236, 236, 240) : palette::white);
        outlineRect(painter, frame, edges[index]);
    });
}

// The combo box arrow in the five looks, on magenta.
QImage extraImages() {
    return frameStrip(QSize(11, 11), 5, [](QPainter& painter, const QRect& frame, int index) {
        drawPattern(painter, frame, downArrow, shadeOf(fiveLooks[index]).glyph);
    });
}

QImage headerBar() {
    return frameStrip(QSize(16, 20), 5, [](QPainter& painter, const QRect& frame, int index) {
        const Shade shade = shadeOf(fiveLooks[index]);
        verticalGradient(painter, frame, shade.top, shade.bottom);
        painter.fillRect(frame.left(), frame.bottom(), frame.width(), 1, shade.outline);
        painter.fillRect(frame.right(), frame.top() + 3, 1, frame.height() - 6, shade.outline);
    });
}

// Menu items: plain, selected, disabled, under the pointer, default.
QImage menuItem() {
    return frameStrip(QSize(16, 18), 5, [](QPainter& painter, const QRect& frame, int index) {
        painter.fillRect(frame, palette::white);
        if (index == 1 || index >= 3) {
            const QColor fill = mix(palette::hilight, palette::white, index == 1 ? 0.0 : 0.4);
            raisedBox(painter, frame, {palette::steel, mix(fill, palette::white, 0.5), fill, palette::glyph});
        }
    });
}

QImage menuBackground() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(palette::white);
    return image;
}

QImage toolbarBackground() {
    QImage image(10, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    verticalGradient(painter, image.rect(), mix(palette::buttonFace, palette::white, 0.6), palette::buttonFace);
    return image;
}

// Toolbar buttons are flat (transparent) until pressed or pointed at.
QImage toolbarButtons() {
    return frameStrip(QSize(22, 22), 5, [](QPainter& painter, const QRect& frame, int index) {
        if (fiveLooks[index] != Look::Normal && fiveLooks[index] != Look::Disabled)
            raisedBox(painter, frame, shadeOf(fiveLooks[index]));
    });
}

QImage menuButton() {
    return frameStrip(QSize(18, 18), 5, [](QPainter& painter, const QRect& frame, int index) {
        const Shade shade = shadeOf(fiveLooks[index]);
        raisedBox(painter, frame, shade);
        drawPattern(painter, frame.adjusted(8, 0, 0, 0), downArrow, shade.glyph);
    });
}

// Brushed metal: faint light and dark lines across the face colour.
QImage dialogBackground() {
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < image.height(); ++y) {
        const double grain = ((y * 7) % 5) / 4.0;
        painter.fillRect(0, y, image.width(), 1,
                         mix(mix(palette::buttonFace, palette::white, 0.08), palette::steel, 0.06 * grain));
    }
    return image;
}

// The groove a track bar's thumb runs in.
QImage trackGroove(Qt::Orientation orientation) {
    const QSize size = orientation == Qt::Horizontal ? QSize(20, 6) : QSize(6, 20);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    sunkenWell(painter, image.rect(), QColor(120, 136, 196));
    return image;
}

} // namespace tessarin::skin::tools
