#include "TForm1.h"

#include "BannerPane.h"
#include "JourneyPage.h"
#include "MainWindowIcon.h"
#include "MakerSite.h"
#include "SkinFailureBox.h"
#include "StationBoxKey.h"
#include "StationBoxList.h"
#include "BeginUpdate.h"
#include "fares/TForm2.h"
#include "fares/TForm3.h"
#include "grid/TDataGrid.h"
#include "grid/TGridColumn.h"
#include "grid/TGridColumnTitle.h"
#include "grid/TGridColumns.h"
#include "queries/StationQuery.h"
#include "queries/StationToStationQuery.h"
#include "queries/TrainNumberQuery.h"
#include "skin/MainWindowSkin.h"
#include "stationinput/StationFilter.h"
#include "stationinput/TimetableStations.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageBorder.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TPageControl.h"
#include "widgets/TPaintControl.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

namespace tessarin::app {
namespace {

constexpr int pageColour = 15059394;

// The title marks of a sorted column: ascending red, descending blue, both
// bold; unmarked in the window-text colour.
void markTitle(grid::TGridColumn& column, widgets::TColor colour, bool bold) {
    widgets::TFont font = column.Title().Font();
    font.color = colour;
    font.font.setBold(bold);
    column.Title().setFont(font);
}

void showNotice(QWidget* parent, const queries::QueryOutcome& outcome) {
    if (outcome.notice)
        widgets::showInformation(parent, QString::fromStdString(*outcome.notice));
}

std::string typed(const QString& text) { return text.toStdString(); }

} // namespace

TForm1::TForm1(std::filesystem::path dataFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dataFile_(std::move(dataFile)),
      beginUpdate_([](const char* url, int flag) { BeginUpdate(url, flag); }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(widgets::applicationTitle());
    setWindowIcon(mainWindowIcon());
    move(463, 130);
    ds1.setDataSet(&qry4);
    skin::loadMainWindowSkin(skin1);
    createControls();
    setTabOrders();
    connectHandlers();
    FormCreate();
    skin1.finishLoading();
    if (!skin1.failure().isEmpty())
        showSkinFailure(nullptr, skin1.failure());
}

TForm1::~TForm1() = default;

QSize TForm1::clientSize() { return {641, 617}; }

void TForm1::connectHandlers() {
    connect(btn1, &widgets::TImgControl::OnClick, this, &TForm1::btn1Click);
    connect(btn2, &widgets::TImgControl::OnClick, this, &TForm1::btn2Click);
    connect(btn3, &widgets::TImgControl::OnClick, this, &TForm1::btn3Click);
    connect(btn7, &widgets::TImgControl::OnClick, this, &TForm1::btn7Click);
    for (widgets::TImgCheckButton* button : {btn1, btn2, btn3, btn7})
        connect(button, &widgets::TImgControl::OnStateChange, this, &TForm1::btn1StateChange);
    connect(PcMain, &widgets::TPaintControl::OnPaint, this, &TForm1::PcMainPaint);
    connect(btn4, &QPushButton::clicked, this, &TForm1::btn4Click);
    connect(btn5, &QPushButton::clicked, this, &TForm1::btn5Click);
    connect(btn6, &QPushButton::clicked, this, &TForm1::btn6Click);
    for (QComboBox* box : {cbStart, cbStop, sTaBox, journeys->cbJourneyStart, journeys->cbJourneyStop}) {
        box->installEventFilter(this);
        StationBoxList::of(*box);
    }
    edt1->installEventFilter(this);
    for (grid::TDataGrid* grid : {dbgrd1, dbgrd2, dbgrd3, journeys->dbgrd4})
        connect(grid, &grid::TDataGrid::OnTitleClick, this, &TForm1::dbgrd1TitleClick);
    connect(dbgrd1, &grid::TDataGrid::OnCellClick, this, &TForm1::dbgrd1CellClick);
    connect(dbgrd2, &grid::TDataGrid::OnCellClick, this, &TForm1::dbgrd2CellClick);
    connect(dbgrd3, &grid::TDataGrid::OnCellClick, this, &TForm1::dbgrd3CellClick);
    connect(tmr1, &QTimer::timeout, this, &TForm1::tmr1Timer);
}

void TForm1::FormCreate() {
    ConnectDB();
    if (!connected())
        return;
    loadStationNames();
    pgc1->setBrushColor(widgets::TColor::fromInt(pageColour).toQColor());
    for (BannerPane* pane : {wb1, wb2, wb3, journeys->wb4})
        pane->navigate(bannerPageAddress());
    tmr1->start();
}

void TForm1::ConnectDB() {
    try {
        con1.close();
        con1.open(dataFile_);
    } catch (const std::exception& error) {
        QMessageBox box(QMessageBox::NoIcon, widgets::applicationTitle(),
                        QStringLiteral("出错！") + QString::fromUtf8(error.what()), QMessageBox::Ok);
        box.exec();
        close();
    }
}

// The names the station boxes offer: the bundled list, then the stations of
// the open timetable that it lacks. A list that cannot be read is told, and
// the timetable's stations are offered all the same.
void TForm1::loadStationNames() {
    std::vector<std::string> names;
    try {
        names = stationinput::readStationNames(stationinput::stationListFileBeside(dataFile_));
    } catch (const std::exception& error) {
        widgets::showStandardError(nullptr, error);
    }
    try {
        stationinput::appendTimetableStations(names, con1);
    } catch (const std::exception& error) {
        widgets::showStandardError(nullptr, error);
    }
    stations_ = stationinput::StationList(std::move(names));
    ListBox1->clear();
    for (const std::string& name : stations_.names())
        ListBox1->addItem(QString::fromStdString(name));
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

// The result grids move one record per wheel event (installed once, when the
// window is first shown).
void TForm1::FormShow() {
    for (grid::TDataGrid* grid : {dbgrd1, dbgrd2, dbgrd3, journeys->dbgrd4})
        grid->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == cbStart)
            cbStartKeyUp(key);
        else if (watched == cbStop)
            cbStopKeyUp(key);
        else if (watched == sTaBox)
            sTaBoxKeyUp(key);
        else if (watched == edt1)
            edt1KeyUp(key);
        else if (watched == journeys->cbJourneyStart)
            journeys->cbJourneyStartKeyUp(key);
        else if (watched == journeys->cbJourneyStop)
            journeys->cbJourneyStopKeyUp(key);
    }
    if (watched == dbgrd1)
        return dbgrd1WndProc(event);
    if (watched == dbgrd2)
        return dbgrd2WndProc(event);
    if (watched == dbgrd3)
        return dbgrd3WndProc(event);
    if (watched == journeys->dbgrd4)
        return resultGridWheel(journeys->dbgrd4, event);
    return QWidget::eventFilter(watched, event);
}

void TForm1::switchPage(widgets::TTabSheet* page) {
    pgc1->setActivePage(page);
    qry4.close();
    cbStart->setEditText(QString());
    cbStop->setEditText(QString());
    edt1->clear();
    sTaBox->setEditText(QString());
    journeys->clear();
}

void TForm1::btn1Click() { switchPage(ts1); }
void TForm1::btn2Click() { switchPage(ts2); }
void TForm1::btn3Click() { switchPage(ts3); }
void TForm1::btn7Click() { switchPage(ts4); }

void TForm1::btn1StateChange() { DrawPagBorder(); }
void TForm1::PcMainPaint() { DrawPagBorder(); }
void TForm1::DrawPagBorder() { widgets::DrawPagBorder(*PcMain, {btn1, btn2, btn3, btn7}); }

void TForm1::btn4Click() {
    widgets::guarded(this, [this] {
        showNotice(this, queries::queryStationToStation(con1, qry4, typed(cbStart->currentText()),
                                                        typed(cbStop->currentText())));
    });
}

void TForm1::btn5Click() {
    widgets::guarded(this, [this] { showNotice(this, queries::queryTrainNumber(con1, qry4, typed(edt1->text()))); });
}

void TForm1::btn6Click() {
    widgets::guarded(this, [this] { showNotice(this, queries::queryStation(con1, qry4, typed(sTaBox->currentText()))); });
}

void TForm1::dat(const QString& name) { cbStart->addItem(name); }
void TForm1::dat2(const QString& name) { cbStop->addItem(name); }
void TForm1::dat3(const QString& name) { sTaBox->addItem(name); }
void TForm1::dat4(const QString& name) { journeys->cbJourneyStart->addItem(name); }
void TForm1::dat5(const QString& name) { journeys->cbJourneyStop->addItem(name); }

void TForm1::stationBoxKeyUp(QComboBox* box, void (TForm1::*append)(const QString&), QWidget* next, int key) {
    const StationBoxKey kind = classifyStationBoxKey(key);
    if (kind == StationBoxKey::Ignored || box->currentText().isEmpty())
        return;
    if (kind == StationBoxKey::MovesOn) {
        next->setFocus(Qt::TabFocusReason);
        return;
    }
    const QString text = box->currentText();
    box->clear();
    stationinput::MatchStations(stations_, typed(text), [this, append](const std::string& name) {
        (this->*append)(QString::fromStdString(name));
    });
    // Filling the list must not pick a name: the edit keeps what was typed,
    // with the caret after its last character.
    box->setCurrentIndex(-1);
    box->setEditText(text);
    box->setFocus();
    box->lineEdit()->setCursorPosition(static_cast<int>(text.size()));
    StationBoxList::of(*box).dropDown();
}

void TForm1::cbStartKeyUp(int key) { stationBoxKeyUp(cbStart, &TForm1::dat, cbStop, key); }
void TForm1::cbStopKeyUp(int key) { stationBoxKeyUp(cbStop, &TForm1::dat2, btn4, key); }
void TForm1::sTaBoxKeyUp(int key) { stationBoxKeyUp(sTaBox, &TForm1::dat3, btn6, key); }

void TForm1::edt1KeyUp(int key) {
    if (isEnterKey(key))
        btn5->setFocus(Qt::TabFocusReason);
}

// Sorts the clicked grid's result by the clicked column, ascending first and
// then alternately, and marks only that column's title. With no result open
// the titles are unmarked and nothing else happens.
void TForm1::dbgrd1TitleClick(grid::TGridColumn* column) {
    grid::TGridColumns& columns = column->Grid()->Columns();
    for (int i = 0; i < columns.Count(); ++i)
        markTitle(columns[i], widgets::clWindowText, false);
    data::DataSet* result = column->Grid()->openDataSet();
    if (!result)
        return;
    const std::string ascending = column->FieldName().toStdString() + " ASC";
    if (result->sort() != ascending) {
        result->setSort(ascending);
        markTitle(*column, widgets::clRed, true);
    } else {
        result->setSort(column->FieldName().toStdString() + " DESC");
        markTitle(*column, widgets::clBlue, true);
    }
}

bool TForm1::storeSelectedTrainId(const grid::TDataGrid& grid) {
    const auto field = grid.CurrentColumnField();
    if (!field || qry4.isEmpty())
        return false;
    SelectedTrainId = field->AsString();
    return true;
}

// A row click opens a window for the clicked row's train: the detail window
// from the first two pages, the route window from the station page. The
// window is modal and lives until it closes.
template <typename Window>
void TForm1::openTrainWindow(const grid::TDataGrid& grid) {
    if (!storeSelectedTrainId(grid))
        return;
    Window window(con1, SelectedTrainId);
    window.exec();
}

void TForm1::dbgrd1CellClick() { openTrainWindow<fares::TForm2>(*dbgrd1); }
void TForm1::dbgrd2CellClick() { openTrainWindow<fares::TForm2>(*dbgrd2); }
void TForm1::dbgrd3CellClick() { openTrainWindow<fares::TForm3>(*dbgrd3); }

void TForm1::tmr1Timer() {
    beginUpdate_(updateFileAddress().toLatin1().constData(), 1);
    tmr1->stop();
}

// One record per wheel event, forward when the wheel turns towards the user,
// back otherwise; the grid's own wheel handling never runs. With no result
// open there is nothing to move.
bool TForm1::resultGridWheel(grid::TDataGrid* grid, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    data::DataSet* records = grid->DataSource() ? grid->DataSource()->dataSet() : nullptr;
    if (records && records->isOpen()) {
        if (static_cast<QWheelEvent*>(event)->angleDelta().y() < 0)
            records->next();
        else
            records->prior();
    }
    return true;
}

bool TForm1::dbgrd1WndProc(QEvent* event) {
    try {
        return resultGridWheel(dbgrd1, event);
    } catch (const std::exception&) {
        return true;
    }
}

bool TForm1::dbgrd2WndProc(QEvent* event) { return resultGridWheel(dbgrd2, event); }
bool TForm1::dbgrd3WndProc(QEvent* event) { return resultGridWheel(dbgrd3, event); }

} // namespace tessarin::app
