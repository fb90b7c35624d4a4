#include "widgets/TPaintControl.h"

#include <QPainter>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace tessarin::widgets {
namespace {

constexpr QRgb fill = qRgb(194, 201, 229);

struct Panel {
    Panel() {
        panel.resize(40, 30);
        panel.setColor(QColor(fill));
        auto* layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(child);
    }
    TPaintControl panel;
    QWidget* child = new QWidget;
};

TEST(TPaintControl, KeepsChildrenBorderWidthInWithoutDrawingABorder) {
    Panel p;
    p.panel.setBorderWidth(2);
    p.panel.show();
    EXPECT_EQ(p.child->geometry(), QRect(2, 2, 36, 26));
    const QImage shown = p.panel.grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), fill);
    EXPECT_EQ(shown.pixel(1, 29), fill);
}

TEST(TPaintControl, ChangingTheBorderWidthLaysTheChildrenOutAgain) {
    Panel p;
    p.panel.show();
    p.panel.setBorderWidth(5);
    p.panel.layout()->activate();
    EXPECT_EQ(p.child->geometry(), QRect(5, 5, 30, 20));
}

TEST(TPaintControl, SingleBorderIsDrawnInTheBorderColour) {
    TPaintControl panel;
    panel.resize(20, 10);
    panel.setColor(QColor(fill));
    panel.setBorderStyle(TPaintControl::bsSingle);
    panel.setBorderColor(Qt::red);
    const QImage shown = panel.grab().toImage();
    for (QPoint edge : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 9), QPoint(19, 9), QPoint(10, 0), QPoint(0, 5)})
        EXPECT_EQ(shown.pixel(edge), qRgb(255, 0, 0)) << edge.x() << "," << edge.y();
    EXPECT_EQ(shown.pixel(1, 1), fill);
}

TEST(TPaintControl, OnPaintDrawsAfterTheFillWithTheColourAsBrush) {
    TPaintControl panel;
    panel.resize(20, 10);
    panel.setColor(QColor(fill));
    QColor brushSeen;
    QObject::connect(&panel, &TPaintControl::OnPaint, [&](TPaintControl* sender) {
        brushSeen = sender->Canvas()->brush().color();
        sender->Canvas()->fillRect(QRect(0, 0, 5, 5), Qt::green);
    });
    const QImage shown = panel.grab().toImage();
    EXPECT_EQ(brushSeen, QColor(fill));
    EXPECT_EQ(shown.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(10, 5), fill);
    EXPECT_EQ(panel.Canvas(), nullptr) << "no painter outside the paint";
}

TEST(TPaintControl, ParentColorFollowsTheParentsWindowColour) {
    QWidget parent;
    QPalette colours = parent.palette();
    colours.setColor(QPalette::Window, QColor(1, 2, 3));
    parent.setPalette(colours);
    auto* panel = new TPaintControl(&parent);
    EXPECT_EQ(panel->Color(), QColor(212, 208, 200)) << "clBtnFace by default";
    panel->setParentColor(true);
    EXPECT_EQ(panel->Color(), QColor(1, 2, 3));
    colours.setColor(QPalette::Window, QColor(4, 5, 6));
    parent.setPalette(colours);
    EXPECT_EQ(panel->Color(), QColor(4, 5, 6));
    panel->setColor(QColor(7, 8, 9));
    EXPECT_FALSE(panel->ParentColor());
}

} // namespace
} // namespace tessarin::widgets
