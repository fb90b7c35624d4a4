#include "TForm3.h"

#include "grid/TDataGrid.h"
#include "widgets/TPaintControl.h"

#include <QPushButton>

namespace tessarin::fares {

TForm3::TForm3(data::Connection& connection, const QString& trainId)
    : StopListWindow(connection, trainId, QPoint(546, 205)) {
    setObjectName(QStringLiteral("Form3"));
    createLeftovers();
    DBGrid1 = addStopGrid(QStringLiteral("DBGrid1"), QRect(1, 8, 461, 457));
    Button1 = addCloseButton(QStringLiteral("Button1"));
}

// Hidden beneath the panel and out of the tab order: they never show and
// never take the focus.
void TForm3::createLeftovers() {
    auto* dbgrd1 = new grid::TDataGrid(this);
    dbgrd1->setObjectName(QStringLiteral("dbgrd1"));
    dbgrd1->setGeometry(-33, -1, 461, 442);
    auto* btn2 = new QPushButton(QStringLiteral("关闭"), this);
    btn2->setObjectName(QStringLiteral("btn2"));
    btn2->setGeometry(128, 468, 161, 33);
    for (QWidget* leftover : {static_cast<QWidget*>(dbgrd1), static_cast<QWidget*>(btn2)}) {
        leftover->setFocusPolicy(Qt::NoFocus);
        leftover->stackUnder(PaintControl1);
    }
}

void TForm3::FormShow() {
    setWindowTitle(QStringLiteral("车次：") + trainId());
    openStops();
}

} // namespace tessarin::fares
