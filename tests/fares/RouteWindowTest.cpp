#include "WindowFixture.h"
#include "support/MessageBoxCatcher.h"

#include <QPushButton>
#include <QTimer>

namespace tessarin::fares::testing {
namespace {

using tessarin::testing::MessageBoxCatcher;

class RouteWindow : public WindowFixture {
protected:
    grid::TDataGrid* stopGrid(TForm3& form) { return form.findChild<grid::TDataGrid*>("DBGrid1"); }
};

TEST_F(RouteWindow, ShowsTheStopsInStoredOrderUnderTheTrainNumber) {
    addStops("K7", {{"北京", "1"}, {"山海关", "3"}, {"天津", "2"}});
    addNumberedStops("K8", 2);
    MessageBoxCatcher boxes;

    TForm3 form(connection, "k7");
    show(form);

    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(form.windowTitle(), "车次：k7");
    EXPECT_EQ(shownStations(*stopGrid(form)), (std::vector<std::string>{"北京", "山海关", "天津"}));
}

TEST_F(RouteWindow, ATrainWithoutStopsShowsAnEmptyGridAndNoError) {
    addNumberedStops("K7", 2);
    for (const QString trainId : {"Z99", "K7'", "K7' or ''='"}) {
        MessageBoxCatcher boxes;
        TForm3 form(connection, trainId);
        show(form);
        EXPECT_TRUE(boxes.boxes().empty()) << trainId.toStdString();
        EXPECT_EQ(form.windowTitle(), "车次：" + trainId);
        ASSERT_NE(shownStops(*stopGrid(form)), nullptr) << trainId.toStdString();
        EXPECT_EQ(shownStops(*stopGrid(form))->recordCount(), 0) << trainId.toStdString();
    }
}

TEST_F(RouteWindow, TheStopGridAddsUpTheWheelAsTheGridDoes) {
    addNumberedStops("K7", 5);
    TForm3 form(connection, "K7");
    show(form);
    grid::TDataGrid* grid = stopGrid(form);
    grid->setFocus();
    data::DataSet* stops = shownStops(*grid);

    turnWheel(grid, -60);
    EXPECT_EQ(stops->recNo(), 1) << "half a notch";
    turnWheel(grid, -60);
    EXPECT_EQ(stops->recNo(), 2) << "a whole notch";
    turnWheel(grid, -360);
    EXPECT_EQ(stops->recNo(), 5) << "three notches at once";
}

TEST_F(RouteWindow, TheDesignLeftoversLieBeneathThePanelAndTakePartInNothing) {
    TForm3 form(connection, "K7");
    show(form);

    auto* leftoverGrid = form.findChild<grid::TDataGrid*>("dbgrd1");
    auto* leftoverButton = form.findChild<QPushButton*>("btn2");
    ASSERT_TRUE(leftoverGrid && leftoverButton);
    EXPECT_EQ(leftoverGrid->DataSource(), nullptr);
    EXPECT_EQ(leftoverGrid->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(leftoverButton->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(leftoverButton->geometry(), QRect(128, 468, 161, 33));
    EXPECT_EQ(form.childAt(leftoverButton->geometry().topLeft() + QPoint(2, 2)),
              form.findChild<QWidget*>("PaintControl1"));

    auto* close = form.findChild<QPushButton*>("Button1");
    EXPECT_EQ(close->parentWidget()->objectName(), "PaintControl1");
    EXPECT_EQ(close->geometry(), QRect(152, 480, 161, 33));
    EXPECT_EQ(stopGrid(form)->geometry(), QRect(1, 8, 461, 457));
}

TEST_F(RouteWindow, TheCloseButtonEndsTheModalLoop) {
    TForm3 form(connection, "K7");
    QTimer::singleShot(0, &form, [&form] { form.findChild<QPushButton*>("Button1")->click(); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace tessarin::fares::testing
