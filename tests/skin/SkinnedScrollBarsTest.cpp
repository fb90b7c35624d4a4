// The skinned scroll bars of grids, lists and drop-down lists: overlays
// exactly over the native bars, the corner between two bars, the flat
// border, and scrolling that is the grid's own.

#include "EngineFixture.h"
#include "data/RowsDataSet.h"
#include "data/DataSource.h"
#include "grid/TDataGrid.h"
#include "skin/TScrollBarOverlay.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>

namespace tessarin::skin::testing {
namespace {

class NumberedRows : public data::RowsDataSet {
public:
    explicit NumberedRows(int count) {
        std::vector<Row> rows;
        for (int i = 1; i <= count; ++i)
            rows.push_back({"K" + std::to_string(i)});
        open({"id"}, std::move(rows));
    }
};

// A window with a grid of 100 records whose eight columns do not fit, so
// that it shows both scroll bars.
struct GridWindow {
    explicit GridWindow(bool skinnable) {
        if (!skinnable)
            window.setProperty("Tag", 99);
        window.resize(340, 240);
        grid = new grid::TDataGrid(&window);
        grid->setGeometry(10, 10, 300, 200);
        grid->setVertScrollBar({{.Tracking = true, .Visible = true}, grid::TScrollBarVisibleMode::sbAutoShow});
        for (int i = 0; i < 8; ++i) {
            grid::TGridColumn& column = grid->Columns().Add();
            column.setFieldName(QStringLiteral("id"));
            column.setWidth(80);
        }
        grid->setDataSource(&source);
    }

    QScrollBar& vertical() const { return *grid->verticalScrollBar(); }
    TScrollBarOverlay* overlayOf(const QScrollBar& bar) const {
        for (auto* overlay : bar.parentWidget()->findChildren<TScrollBarOverlay*>(Qt::FindDirectChildrenOnly)) {
            if (&overlay->bar() == &bar)
                return overlay;
        }
        return nullptr;
    }

    NumberedRows rows{100};
    data::DataSource source{&rows};
    QWidget window;  // goes first, with its grid, while the source lives
    grid::TDataGrid* grid = nullptr;
};

using SkinnedScrollBars = EngineFixture;

TEST_F(SkinnedScrollBars, AGridWithBothBarsShowsAButtonFaceSquareBetweenThem) {
    GridWindow shown(true);
    showSkinned(shown.window);
    QScrollBar& vertical = shown.vertical();
    QScrollBar& horizontal = *shown.grid->horizontalScrollBar();
    ASSERT_TRUE(vertical.isVisible() && horizontal.isVisible());
    const QImage grab = grabbed(*shown.grid);
    const QColor buttonFace(146, 164, 230);
    const QRect corner(vertical.x(), horizontal.y(), vertical.width(), horizontal.height());
    EXPECT_EQ(pixel(grab, corner.center()), buttonFace);
    EXPECT_EQ(pixel(grab, corner.bottomRight() - QPoint(2, 2)), buttonFace);
    // The flat border: the button shadow outside, the button face inside.
    EXPECT_EQ(pixel(grab, {0, 100}), QColor(157, 157, 161));
    EXPECT_EQ(pixel(grab, {1, 100}), buttonFace);
    EXPECT_EQ(shown.grid->FixedColor(), widgets::TColor::fromQColor(buttonFace));
    for (QScrollBar* bar : {&vertical, &horizontal}) {
        const TScrollBarOverlay* overlay = shown.overlayOf(*bar);
        ASSERT_TRUE(overlay);
        EXPECT_TRUE(overlay->isVisible());
        EXPECT_EQ(overlay->geometry(), bar->geometry());
    }
}

TEST_F(SkinnedScrollBars, AnOverlayHidesAndShowsWithItsBar) {
    GridWindow shown(true);
    showSkinned(shown.window);
    TScrollBarOverlay* overlay = shown.overlayOf(shown.vertical());
    shown.rows.close();
    EXPECT_FALSE(shown.vertical().isVisible());
    EXPECT_FALSE(overlay->isVisible());
}

// The middle of the native thumb, in the bar.
QPoint thumbCentre(const QScrollBar& bar) { return nativeThumbRect(bar).center(); }

struct ScrollCase {
    const char* name;
    std::function<QPoint(const QScrollBar&)> press;
    QPoint drag;  // from the press, before the release
};

class SkinnedScrolling : public EngineFixture, public ::testing::WithParamInterface<ScrollCase> {
protected:
    // Presses, drags and releases on what lies over the bar, as the window
    // system delivers it.
    static void operate(GridWindow& shown, const ScrollCase& scroll, const std::function<void()>& whileHeld = {}) {
        QWindow* window = shown.window.windowHandle();
        const QPoint start = shown.vertical().mapTo(&shown.window, scroll.press(shown.vertical()));
        QTest::mousePress(window, Qt::LeftButton, {}, start);
        if (!scroll.drag.isNull())
            QTest::mouseMove(window, start + scroll.drag);
        if (whileHeld)
            whileHeld();
        QTest::mouseRelease(window, Qt::LeftButton, {}, start + scroll.drag);
    }
};

TEST_P(SkinnedScrolling, MovesTheRecordsExactlyAsTheNativeBarDoes) {
    GridWindow native(false);
    native.window.show();
    GridWindow skinned(true);
    showSkinned(skinned.window);
    ASSERT_EQ(native.vertical().geometry(), skinned.vertical().geometry());

    operate(native, GetParam());
    operate(skinned, GetParam());
    EXPECT_GT(native.rows.recNo(), 1);
    EXPECT_EQ(skinned.rows.recNo(), native.rows.recNo());
    EXPECT_EQ(skinned.vertical().value(), native.vertical().value());
}

TEST_F(SkinnedScrolling, TheSkinnedThumbFollowsThePointer) {
    GridWindow skinned(true);
    showSkinned(skinned.window);
    const TScrollBarOverlay& overlay = *skinned.overlayOf(skinned.vertical());
    const int startBefore = overlay.look().thumbStart;
    const ScrollCase drag{"Thumb", thumbCentre, {0, 37}};
    operate(skinned, drag, [&] {
        EXPECT_EQ(overlay.look().thumbStart, startBefore + 37);
        EXPECT_EQ(overlay.look().pressed, ScrollBarPart::Thumb);
    });
    EXPECT_EQ(overlay.look().pressed, ScrollBarPart::None);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SkinnedScrolling,
    ::testing::Values(ScrollCase{"ThumbDragged", thumbCentre, {0, 60}},
                      ScrollCase{"DownArrow", [](const QScrollBar& bar) { return QPoint(8, bar.height() - 8); }, {}},
                      ScrollCase{"TrackBelowTheThumb",
                                 [](const QScrollBar& bar) { return QPoint(8, bar.height() - 24); }, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinnedScrollBars, AComboBoxsDropDownListGetsASkinnedBar) {
    QWidget window;
    auto* box = new QComboBox(&window);
    box->setGeometry(10, 10, 145, 21);
    for (int i = 0; i < 40; ++i)
        box->addItem(QStringLiteral("站%1").arg(i));
    showSkinned(window);
    box->showPopup();
    const QScrollBar& bar = *box->view()->verticalScrollBar();
    ASSERT_TRUE(bar.isVisible());
    const auto* overlay = bar.parentWidget()->findChild<TScrollBarOverlay*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(overlay);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), bar.geometry());
    box->hidePopup();
}

} // namespace
} // namespace tessarin::skin::testing
