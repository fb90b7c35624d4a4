#include "support/RecordingPaintDevice.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TImgManager.h"

#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tessarin::widgets {
namespace {

QImage solidPicture(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture;
}

// A shown parent filled with one colour, so that whatever a button leaves
// transparent shows it.
class Surface : public QWidget {
public:
    Surface() {
        resize(300, 120);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, background);
        setPalette(colours);
    }
    static constexpr QRgb background = qRgb(0, 0, 255);
};

// Three buttons of group 0 in one parent, one button of group 1 beside them,
// and a group-0 button in another parent; every event is logged.
class CheckButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i)
            buttons.push_back(makeButton(surface, QString("b%1").arg(i), 10 + 60 * i));
        buttons[3]->setCheckGroup(1);
        other = makeButton(otherSurface, "other", 10);
        surface.show();
        otherSurface.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    }

    TImgCheckButton* makeButton(QWidget& parent, const QString& name, int left) {
        auto* button = new TImgCheckButton(&parent);
        button->setObjectName(name);
        button->setGeometry(left, 10, 50, 25);
        button->setImgNormal(solidPicture({50, 25}, Qt::white));
        QObject::connect(button, &TImgControl::OnClick, [this](TImgControl* b) { record("click", b); });
        QObject::connect(button, &TImgControl::OnStateChange,
                         [this](TImgControl* b) { record("state", b); });
        return button;
    }

    void record(const char* what, TImgControl* button) {
        const auto* checkButton = static_cast<TImgCheckButton*>(button);
        log.push_back(std::string(what) + ":" + button->objectName().toStdString() +
                      (checkButton->Checked() ? "+" : "-"));
    }

    static void press(QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(w, button, {}, QPoint(5, 5));
    }
    static void release(QWidget* w, QPoint at = QPoint(5, 5), Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(w, button, {}, at);
    }
    static void click(QWidget* w) {
        press(w);
        release(w);
    }
    static void enter(QWidget* w) {
        QEnterEvent event(QPointF(5, 5), w->mapTo(w->window(), QPointF(5, 5)), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &event);
    }
    static void leave(QWidget* w) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(w, &event);
    }

    Surface surface;
    Surface otherSurface;
    std::vector<TImgCheckButton*> buttons;
    TImgCheckButton* other = nullptr;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(CheckButtonTest, PressThenClickRaisesStateChangeOnPressAndAgainWhenChecked) {
    press(buttons[0]);
    EXPECT_EQ(buttons[0]->State(), isDown);
    EXPECT_TRUE(buttons[0]->Pressed());
    EXPECT_EQ(log, (Log{"state:b0-"}));

    release(buttons[0]);
    // OnClick runs before the check, so its handler still sees it unchecked.
    EXPECT_EQ(log, (Log{"state:b0-", "click:b0-", "state:b0+"}));
    EXPECT_TRUE(buttons[0]->Checked());
    EXPECT_EQ(buttons[0]->State(), isCheck);
    EXPECT_FALSE(buttons[0]->Pressed());
}

TEST_F(CheckButtonTest, ClickingTheCheckedButtonRaisesOnlyOnClick) {
    click(buttons[0]);
    log.clear();

    press(buttons[0]);
    EXPECT_EQ(buttons[0]->State(), isCheck) << "a checked button shows no down look";
    release(buttons[0]);
    EXPECT_EQ(log, (Log{"click:b0+"}));
    EXPECT_EQ(buttons[0]->State(), isCheck);
}

TEST_F(CheckButtonTest, CheckingUnchecksOnlyTheSameParentsSameGroupWithoutAnEvent) {
    buttons[0]->setChecked(true);
    buttons[3]->setChecked(true);
    other->setChecked(true);
    log.clear();

    click(buttons[1]);
    EXPECT_EQ(log, (Log{"state:b1-", "click:b1-", "state:b1+"}));
    EXPECT_FALSE(buttons[0]->Checked());
    EXPECT_EQ(buttons[0]->State(), isNormal);
    EXPECT_TRUE(buttons[1]->Checked());
    EXPECT_TRUE(buttons[3]->Checked()) << "another group";
    EXPECT_TRUE(other->Checked()) << "another parent";
}

TEST_F(CheckButtonTest, UncheckingTheCheckedButtonLeavesItsGroupWithNone) {
    buttons[2]->setChecked(true);
    log.clear();
    buttons[2]->setChecked(false);
    EXPECT_EQ(log, (Log{"state:b2-"}));
    EXPECT_EQ(buttons[2]->State(), isNormal);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(buttons[i]->Checked());
    buttons[2]->setChecked(false);
    EXPECT_EQ(log.size(), 1u) << "setting the same value does nothing";
}

TEST_F(CheckButtonTest, OnlyTheLeftButtonCounts) {
    press(buttons[0], Qt::RightButton);
    release(buttons[0], QPoint(5, 5), Qt::RightButton);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(buttons[0]->State(), isNormal);
    EXPECT_FALSE(buttons[0]->Checked());
}

TEST_F(CheckButtonTest, HoverFollowsEnterAndLeaveButNotWhilePressed) {
    enter(buttons[0]);
    EXPECT_EQ(buttons[0]->State(), isEnter);
    press(buttons[0]);
    leave(buttons[0]);
    EXPECT_EQ(buttons[0]->State(), isDown) << "leaving with the button held keeps the down look";

    release(buttons[0], QPoint(200, 5)); // outside the button
    EXPECT_EQ(buttons[0]->State(), isNormal);
    EXPECT_FALSE(buttons[0]->Checked()) << "a release outside is no click";
    EXPECT_EQ(log, (Log{"state:b0-"}));
}

TEST_F(CheckButtonTest, ReleaseOverTheButtonWithoutACheckLeavesItHovered) {
    // A plain image control has no check: a click leaves it in the hover look.
    TImgControl control(&surface);
    control.setGeometry(10, 60, 50, 25);
    control.show();
    press(&control);
    release(&control);
    EXPECT_EQ(control.State(), isEnter);
    EXPECT_FALSE(control.Pressed());
}

TEST_F(CheckButtonTest, DisablingACheckedButtonShowsItNormalButKeepsTheCheck) {
    buttons[0]->setChecked(true);
    buttons[0]->setEnabled(false);
    buttons[0]->setEnabled(true);
    EXPECT_EQ(buttons[0]->State(), isNormal);
    EXPECT_TRUE(buttons[0]->Checked());
    enter(buttons[0]);
    EXPECT_EQ(buttons[0]->State(), isEnter);
}

// Painting.

QRgb pixelOf(QWidget& surface, QPoint at) { return surface.grab().toImage().pixel(at); }

TEST_F(CheckButtonTest, EmptyEnterPictureShowsTheNormalOneOnHover) {
    enter(buttons[0]);
    EXPECT_EQ(pixelOf(surface, {20, 20}), qRgb(255, 255, 255));
}

TEST_F(CheckButtonTest, EmptyCheckPictureDrawsNothingNotEvenTheCaption) {
    buttons[0]->setCaption("WWWW");
    buttons[0]->setChecked(true);
    const QImage shown = surface.grab().toImage().copy(buttons[0]->geometry());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y), Surface::background) << x << "," << y;
}

TEST_F(CheckButtonTest, PicturesFollowTheStateAndTheEnabledFlag) {
    TImgCheckButton& b = *buttons[0];
    b.setImgEnter(solidPicture({50, 25}, Qt::red));
    b.setImgDown(solidPicture({50, 25}, Qt::green));
    b.setImgCheck(solidPicture({50, 25}, Qt::yellow));
    b.setImgDisable(solidPicture({50, 25}, Qt::gray));
    enter(&b);
    EXPECT_EQ(pixelOf(surface, {20, 20}), qRgb(255, 0, 0));
    press(&b);
    EXPECT_EQ(pixelOf(surface, {20, 20}), qRgb(0, 255, 0));
    release(&b);
    EXPECT_EQ(pixelOf(surface, {20, 20}), qRgb(255, 255, 0));
    b.setEnabled(false);
    EXPECT_EQ(pixelOf(surface, {20, 20}), QColor(Qt::gray).rgb());
}

TEST_F(CheckButtonTest, ManagerPicturesReplaceTheButtonsOwn) {
    TImgManager manager;
    manager.setImgNormal(solidPicture({50, 25}, Qt::cyan));
    buttons[0]->setImgManager(&manager);
    EXPECT_EQ(pixelOf(surface, {20, 20}), QColor(Qt::cyan).rgb());
}

TEST_F(CheckButtonTest, ForgetsAManagerThatGoesAway) {
    auto manager = std::make_unique<TImgManager>();
    manager->setImgNormal(solidPicture({50, 25}, Qt::cyan));
    buttons[0]->setImgManager(manager.get());
    manager.reset();
    EXPECT_EQ(buttons[0]->ImgManager(), nullptr);
    EXPECT_EQ(pixelOf(surface, {20, 20}), QColor(Qt::cyan).rgb()) << "pictures already taken stay";
}

TEST_F(CheckButtonTest, TranslucentPicturesBlendOverTheParent) {
    buttons[0]->setImgNormal(solidPicture({50, 25}, QColor(255, 0, 0, 128)));
    const QColor shown(pixelOf(surface, {20, 20}));
    EXPECT_NEAR(shown.red(), 128, 2);
    EXPECT_EQ(shown.green(), 0);
    EXPECT_NEAR(shown.blue(), 127, 2);
}

TEST_F(CheckButtonTest, CaptionIsWrittenOverThePictureInTheCentreLayout) {
    TImgCheckButton& b = *buttons[0];
    b.setImgButtonLayout(iclImgCenter);
    b.setCaption("WW");
    const testing::RecordedText caption = testing::onlyText(testing::textsOf(b), "WW");
    EXPECT_EQ(caption.colour, b.palette().color(QPalette::Active, QPalette::WindowText));
    EXPECT_TRUE(b.rect().contains(caption.baseline)) << "on the picture, which fills the button";
    const QImage shown = surface.grab().toImage().copy(b.geometry());
    EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 255, 255)) << "caption has no background of its own";
}

} // namespace
} // namespace tessarin::widgets
