#include "EmptyWindow.h"

#include "app/TForm1.h"
#include "widgets/TFont.h"

#include <QPainter>

namespace tessarin::bench {
namespace {

constexpr int windowBorder = 6;

QFont sansFont() { return widgets::TFont::make(QStringLiteral("MS Sans Serif"), -11).font; }
QFont songFont() { return widgets::TFont::make(QStringLiteral("宋体"), -12).font; }

} // namespace

EmptyWindow::EmptyWindow() {
    setObjectName(QStringLiteral("EmptyWindow"));
    setFixedSize(app::TForm1::clientSize() + QSize(2 * windowBorder, 2 * windowBorder));
    setFont(sansFont());
}

void EmptyWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawText(10, 20, QStringLiteral("列车时刻表"));
    painter.setFont(songFont());
    painter.drawText(10, 40, QStringLiteral("列车时刻表"));
}

} // namespace tessarin::bench
