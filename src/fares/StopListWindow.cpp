#include "StopListWindow.h"

#include "grid/CentredColumns.h"
#include "grid/TDataGrid.h"
#include "queries/StopList.h"
#include "widgets/EnterClicksButton.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TColor.h"
#include "widgets/TFont.h"
#include "widgets/TPaintControl.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>


namespace tessarin::fares {
namespace {

using widgets::TFont;

constexpr QSize clientSize(464, 526);
constexpr int panelColour = 15059394; // RGB (194, 201, 229)

constexpr grid::CentredColumn stopColumns[] = {
    {"S_No", "车次", 32},     {"Station", "车站", 80},  {"A_Time", "到时", 85},
    {"D_Time", "发时", 85},   {"Distance", "里程", 80}, {"Day", "天数", 70},
};

// The settings of the windows' grids; their cells keep the window's font.
// What they show (the timetable's stops, which this tool only reads, or
// figures made from them) is not theirs to delete.
void setUpReadOnlyGrid(grid::TDataGrid& grid, std::span<const grid::CentredColumn> columns) {
    grid.setReadOnly(true);
    grid::setUpListGrid(grid);
    grid.setTitleFont(TFont::make(QStringLiteral("MS Sans Serif"), -11));
    grid::addCentredColumns(grid, columns, TFont::make(QStringLiteral("宋体"), -12));
}

} // namespace

StopListWindow::StopListWindow(data::Connection& connection, const QString& trainId, QPoint screenPosition)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      PaintControl1(new widgets::TPaintControl(this)), qry5(connection), connection_(connection),
      trainId_(trainId) {
    setFont(TFont::make(QStringLiteral("MS Sans Serif"), -11).font);
    resize(clientSize);
    move(screenPosition);

    PaintControl1->setObjectName(QStringLiteral("PaintControl1"));
    PaintControl1->setColor(widgets::TColor::fromInt(panelColour).toQColor());
    PaintControl1->setBorderColor(Qt::black);
    auto* filling = new QVBoxLayout(this);
    filling->setContentsMargins(0, 0, 0, 0);
    filling->addWidget(PaintControl1);
}

grid::TDataGrid* StopListWindow::addStopGrid(const QString& name, const QRect& geometry) {
    return addListGrid(name, geometry, stopColumns, ds1);
}

grid::TDataGrid* StopListWindow::addListGrid(const QString& name, const QRect& geometry,
                                             std::span<const grid::CentredColumn> columns,
                                             data::DataSource& source) {
    auto* grid = new grid::TDataGrid(this);
    grid->setObjectName(name);
    grid->setGeometry(geometry);
    setUpReadOnlyGrid(*grid, columns);
    grid->setDataSource(&source);
    grid->raise();
    return grid;
}

QPushButton* StopListWindow::addCloseButton(const QString& name) {
    auto* button = new QPushButton(QStringLiteral("关闭"), PaintControl1);
    button->setObjectName(name);
    button->setGeometry(152, 480, 161, 33);
    // A plain push button: Enter in another control does not press it, Enter
    // on the button itself does.
    button->setAutoDefault(false);
    widgets::clickOnEnter(*button);
    connect(button, &QPushButton::clicked, this, &QDialog::close);
    return button;
}

void StopListWindow::openStops() { queries::openStopList(qry5, trainId_.toStdString()); }

void StopListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    widgets::guarded(this, [this] { FormShow(); });
}

void StopListWindow::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Esc does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tessarin::fares
