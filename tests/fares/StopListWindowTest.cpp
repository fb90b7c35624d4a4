#include "WindowFixture.h"
#include "support/MessageBoxCatcher.h"

#include <QPushButton>

#include <functional>

namespace tessarin::fares::testing {
namespace {

using tessarin::testing::MessageBoxCatcher;

// Either window, with the names of its stop grid and its close button and
// its caption for K7.
struct WindowKind {
    const char* stopGrid;
    const char* closeButton;
    const char* captionOfK7;
    std::function<std::unique_ptr<QDialog>(data::Connection&, const QString&)> make;
};

const WindowKind detailWindow{"dbgrd1", "btn2", "车次：K7（票价以实际票价为准！）",
                              [](data::Connection& c, const QString& id) { return std::make_unique<TForm2>(c, id); }};
const WindowKind routeWindow{"DBGrid1", "Button1", "车次：K7",
                             [](data::Connection& c, const QString& id) { return std::make_unique<TForm3>(c, id); }};

class StopListWindows : public WindowFixture, public ::testing::WithParamInterface<WindowKind> {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        addResultRows({{"K7", "快速", "北京", "天津", "137", "1:30", "0", "1", "1", "1", "1"}});
        addNumberedStops("K7", 3);
    }

    // Shows the window of K7 on a connection; the stop grid, or null.
    grid::TDataGrid* showK7(data::Connection& on) {
        window = GetParam().make(on, "K7");
        show(*window);
        return window->findChild<grid::TDataGrid*>(GetParam().stopGrid);
    }

    std::unique_ptr<QDialog> window;
};

TEST_P(StopListWindows, TheStopGridShowsTheSixStopColumnsCentredUnderLightTitles) {
    grid::TDataGrid* grid = showK7(connection);
    ASSERT_NE(grid, nullptr);
    struct Column {
        const char* field;
        const char* title;
        int width;
    };
    const Column expected[] = {{"s_no", "车次", 32},   {"station", "车站", 80},  {"a_time", "到时", 85},
                               {"d_time", "发时", 85}, {"distance", "里程", 80}, {"day", "天数", 70}};
    ASSERT_EQ(grid->Columns().Count(), 6);
    for (int i = 0; i < 6; ++i) {
        const grid::TGridColumn& column = grid->Columns()[i];
        SCOPED_TRACE(expected[i].title);
        ASSERT_TRUE(column.Field().has_value()) << "bound to the stop list";
        EXPECT_EQ(column.FieldName(), expected[i].field);
        EXPECT_EQ(column.Title().Caption(), expected[i].title);
        EXPECT_EQ(column.Width(), expected[i].width);
        EXPECT_EQ(column.Alignment(), grid::TAlignment::taCenter);
        EXPECT_EQ(column.Title().Alignment(), grid::TAlignment::taCenter);
        EXPECT_EQ(column.Title().Color(), widgets::clBtnHighlight);
        EXPECT_EQ(column.Title().Font(), widgets::TFont::make("宋体", -12));
    }
    EXPECT_TRUE(grid->Options().testFlag(grid::dgRowSelect));
    EXPECT_FALSE(grid->Options().testFlag(grid::dgIndicator));
    EXPECT_EQ(grid->Font().font.pixelSize(), 11) << "the cells keep the window's font";
}

TEST_P(StopListWindows, CtrlDeleteInTheStopGridDeletesNoStop) {
    grid::TDataGrid* grid = showK7(connection);
    ASSERT_NE(grid, nullptr);
    MessageBoxCatcher boxes(QMessageBox::Ok);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);

    EXPECT_TRUE(boxes.boxes().empty()) << "asked " << boxes.boxes()[0].text.toStdString();
    EXPECT_EQ(shownStops(*grid)->recordCount(), 3);
    data::Query stored(connection);
    stored.setStatement("select count(*) as stops from train");
    stored.open();
    EXPECT_EQ(stored.fieldText("stops"), "3");
}

TEST_P(StopListWindows, ADatabaseFailureGivesOneErrorBoxAndTheWindowShowsWithoutStops) {
    tessarin::testing::TemporaryTimetable timetable;
    data::Connection broken(timetable.file());
    broken.execute("drop table train");
    MessageBoxCatcher boxes;

    grid::TDataGrid* grid = showK7(broken);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "列车时刻表");
    EXPECT_EQ(boxes.boxes()[0].text, "no such table: train.");
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), GetParam().captionOfK7);
    EXPECT_EQ(shownStops(*grid), nullptr);
}

TEST_P(StopListWindows, EnterOrSpaceOnTheFocusedCloseButtonClosesTheWindow) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        showK7(connection);
        auto* close = window->findChild<QPushButton*>(GetParam().closeButton);
        ASSERT_TRUE(close);
        close->setFocus();
        QTest::keyPress(window->windowHandle(), key);
        QTest::keyRelease(window->windowHandle(), key);
        EXPECT_FALSE(window->isVisible()) << "key " << key;
        EXPECT_FALSE(close->isDefault()) << "Enter elsewhere still does not press it";
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, StopListWindows, ::testing::Values(detailWindow, routeWindow),
                         [](const auto& info) { return std::string(info.param.stopGrid); });

} // namespace
} // namespace tessarin::fares::testing
