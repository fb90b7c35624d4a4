#include "widgets/PageBorder.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TPaintControl.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tessarin::widgets {
namespace {

constexpr QRgb outer = qRgb(201, 210, 243);
constexpr QRgb inner = qRgb(104, 121, 250);
constexpr QRgb panelFill = qRgb(146, 164, 230);

// The main window's top: a strip with the three page buttons and the page
// area below it, 641 pixels wide, both starting at the window's left edge.
class PageWindow : public QWidget {
public:
    explicit PageWindow(bool borderInPanelPaint) {
        resize(641, 141);
        strip->setGeometry(0, 0, 641, 41);
        btn1->setGeometry(56, 16, 96, 25);
        btn2->setGeometry(152, 16, 96, 25);
        btn3->setGeometry(248, 16, 135, 25);
        btn1->setChecked(true);
        PcMain->setGeometry(0, 41, 641, 100);
        PcMain->setColor(QColor(panelFill));
        PcMain->setBorderWidth(2);
        if (borderInPanelPaint)
            QObject::connect(PcMain, &TPaintControl::OnPaint, [this] { DrawPagBorder(*PcMain, {btn1, btn2, btn3}); });
        for (TImgCheckButton* button : {btn1, btn2, btn3})
            QObject::connect(button, &TImgControl::OnStateChange, [this] { DrawPagBorder(*PcMain, {btn1, btn2, btn3}); });
    }

    // What the window shows on screen, without painting anything anew.
    QImage onScreenPanel() {
        return QGuiApplication::primaryScreen()->grabWindow(winId()).toImage().copy(PcMain->geometry());
    }

    QWidget* strip = new QWidget(this);
    TImgCheckButton* btn1 = new TImgCheckButton(strip);
    TImgCheckButton* btn2 = new TImgCheckButton(strip);
    TImgCheckButton* btn3 = new TImgCheckButton(strip);
    TPaintControl* PcMain = new TPaintControl(this);
};

using Ranges = std::vector<std::pair<int, int>>;

// Checks x = 1 … 639 of one row: `colour` on the ranges, the panel's fill in
// the gap; the outermost columns always show the outer colour.
void expectRow(const QImage& panel, int y, QRgb colour, const Ranges& ranges) {
    EXPECT_EQ(panel.pixel(0, y), outer);
    EXPECT_EQ(panel.pixel(640, y), outer);
    for (int x = 1; x < 640; ++x) {
        bool drawn = false;
        for (const auto& [from, to] : ranges)
            drawn = drawn || (x >= from && x <= to);
        ASSERT_EQ(panel.pixel(x, y), drawn ? colour : panelFill) << "row " << y << ", x " << x;
    }
}

struct GapCase {
    int checked; // 1, 2 or 3
    Ranges row0;
    Ranges row1; // x = 639 is the inner frame's own side
};

class PageBorderGap : public ::testing::TestWithParam<GapCase> {};

TEST_P(PageBorderGap, LeavesTheTopOpenUnderTheCheckedButton) {
    const GapCase& c = GetParam();
    PageWindow window(true);
    TImgCheckButton* buttons[] = {window.btn1, window.btn2, window.btn3};
    buttons[c.checked - 1]->setChecked(true);
    const QImage panel = window.PcMain->grab().toImage();
    expectRow(panel, 0, outer, c.row0);
    expectRow(panel, 1, inner, c.row1);
    // The sides and the bottom: outer outside, inner one pixel in.
    EXPECT_EQ(panel.pixel(1, 50), inner);
    EXPECT_EQ(panel.pixel(639, 50), inner);
    EXPECT_EQ(panel.pixel(320, 99), outer);
    EXPECT_EQ(panel.pixel(320, 98), inner);
    EXPECT_EQ(panel.pixel(320, 50), panelFill);
}

INSTANTIATE_TEST_SUITE_P(Buttons, PageBorderGap,
                         ::testing::Values(GapCase{1, {{1, 55}, {151, 639}}, {{1, 58}, {148, 639}}},
                                           GapCase{2, {{1, 151}, {247, 639}}, {{1, 154}, {244, 639}}},
                                           GapCase{3, {{1, 247}, {382, 639}}, {{1, 250}, {379, 639}}}));

TEST(PageBorder, PressKeepsTheGapAndTheClickMovesItStraightOnScreen) {
    // The panel's own painting draws no border here: whatever border the
    // screen shows was drawn straight onto the panel by the state changes.
    PageWindow window(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(window.btn2, Qt::LeftButton, {}, QPoint(5, 5));
    QImage shown = window.onScreenPanel();
    EXPECT_EQ(shown.pixel(100, 0), panelFill) << "the gap stays under btn1 while btn2 is held";
    EXPECT_EQ(shown.pixel(200, 0), outer);

    QTest::mouseRelease(window.btn2, Qt::LeftButton, {}, QPoint(5, 5));
    shown = window.onScreenPanel();
    EXPECT_EQ(shown.pixel(100, 0), outer);
    EXPECT_EQ(shown.pixel(200, 0), panelFill) << "the gap moved under btn2";
}

} // namespace
} // namespace tessarin::widgets
