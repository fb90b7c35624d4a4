#pragma once

#include "data/Connection.h"
#include "data/DataFile.h"
#include "data/DataSource.h"
#include "data/Query.h"
#include "skin/TSkinComponent.h"
#include "stationinput/StationList.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace tessarin::grid {
class TDataGrid;
class TGridColumn;
} // namespace tessarin::grid

namespace tessarin::widgets {
class TImgCheckButton;
class TImgControl;
class TPageControl;
class TPaintControl;
class TPanel;
class TTabSheet;
} // namespace tessarin::widgets

namespace tessarin::app {

class BannerPane;
class JourneyPage;

// The main window: a blue strip with the page buttons, and below it the
// bordered page area with the query pages (station to station, train
// number, every train at a station, and journeys with changes), each with
// its inputs, its query button, its result grid and its banner pane. The
// first three grids show the one result set qry4 through ds1; the journey
// page (JourneyPage.h) shows journeys of its own.
//
// Its controls lie in its client area (`ClientArea`, 641 × 617), which the
// window's 6-pixel border surrounds until the skin gives it a frame of its own.
// Creating the window opens con1 on the timetable beside the executable (or
// on the file given) and then reads the station names; when the connection
// fails the window says so in one box, reads nothing more and closes unshown
// (connected() is false).
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // The update library's entry, as the window calls it once after 5 s.
    using BeginUpdateFunction = std::function<void(const char* url, int flag)>;

    explicit TForm1(std::filesystem::path dataFile = data::defaultDataFile(), QWidget* parent = nullptr);
    ~TForm1() override;

    bool connected() const noexcept { return con1.isOpen(); }

    // Replaces the update call (tests put a stand-in here).
    void setBeginUpdate(BeginUpdateFunction function) { beginUpdate_ = std::move(function); }

    // The client area that holds the controls, and its size.
    QWidget* ClientArea() const noexcept { return clientArea_; }
    static QSize clientSize();

    // Appends one name to the drop-down list of cbStart, cbStop, sTaBox.
    void dat(const QString& name);
    void dat2(const QString& name);
    void dat3(const QString& name);
    // The same for the journey page's two boxes.
    void dat4(const QString& name);
    void dat5(const QString& name);

    // Fields, in the window's declared order.
    QPushButton* Button1 = nullptr;
    widgets::TPanel* pnl1 = nullptr;
    widgets::TImgCheckButton* btn1 = nullptr;
    widgets::TImgCheckButton* btn2 = nullptr;
    widgets::TImgCheckButton* btn3 = nullptr;
    widgets::TPaintControl* PcMain = nullptr;
    widgets::TPageControl* pgc1 = nullptr;
    widgets::TTabSheet* ts1 = nullptr;
    widgets::TTabSheet* ts2 = nullptr;
    widgets::TTabSheet* ts3 = nullptr;
    QLabel* lbl1 = nullptr;
    QLabel* lbl2 = nullptr;
    QComboBox* cbStop = nullptr;
    QPushButton* btn4 = nullptr;
    QListWidget* ListBox1 = nullptr;
    skin::TSkinComponent skin1{this};
    data::Connection con1;
    data::Query qry1{con1};
    data::DataSource ds1;
    data::Query qry2{con1};
    data::Query qry3{con1};
    data::Query qry4{con1};
    QPushButton* btn6 = nullptr;
    QComboBox* sTaBox = nullptr;
    widgets::TPaintControl* pntcntrl1 = nullptr;
    QLineEdit* edt1 = nullptr;
    QPushButton* btn5 = nullptr;
    widgets::TPaintControl* PaintControl2 = nullptr;
    widgets::TPaintControl* PaintControl1 = nullptr;
    BannerPane* wb1 = nullptr;
    BannerPane* wb2 = nullptr;
    BannerPane* wb3 = nullptr;
    QTimer* tmr1 = nullptr;
    grid::TDataGrid* dbgrd1 = nullptr;
    grid::TDataGrid* dbgrd2 = nullptr;
    grid::TDataGrid* dbgrd3 = nullptr;
    QComboBox* cbStart = nullptr;
    QLabel* lbl3 = nullptr;
    QLabel* lbl4 = nullptr;
    QString SelectedTrainId;

    // The journey page: its page button after btn3, its page, and the page's
    // controls and handlers.
    widgets::TImgCheckButton* btn7 = nullptr;
    widgets::TTabSheet* ts4 = nullptr;
    JourneyPage* journeys = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The journey page builds itself with the window's builders and shares
    // its station-box keys, title clicks and wheel.
    friend class JourneyPage;

    // Building the window (TForm1Layout.cpp).
    void createControls();
    void createTopStrip();
    void createPageArea();
    void createStationToStationPage();
    void createTrainNumberPage();
    void createStationPage();
    grid::TDataGrid* createResultGrid(QWidget* page);
    BannerPane* createBannerPane(QWidget* page, const char* name);
    QComboBox* createStationBox(QWidget* page, const char* name, QRect geometry);
    QPushButton* createQueryButton(QWidget* page, const char* name, QRect geometry);
    QLabel* createLabel(QWidget* page, const char* name, const QString& caption, QRect geometry);
    void setTabOrders();
    void connectHandlers();

    // Event handlers.
    void FormCreate();
    void FormShow();
    void ConnectDB();
    void loadStationNames();
    void switchPage(widgets::TTabSheet* page);
    void btn1Click();
    void btn2Click();
    void btn3Click();
    void btn7Click();
    void btn1StateChange();
    void PcMainPaint();
    void DrawPagBorder();
    void btn4Click();
    void btn5Click();
    void btn6Click();
    void stationBoxKeyUp(QComboBox* box, void (TForm1::*append)(const QString&), QWidget* next, int key);
    void cbStartKeyUp(int key);
    void cbStopKeyUp(int key);
    void sTaBoxKeyUp(int key);
    void edt1KeyUp(int key);
    void dbgrd1TitleClick(grid::TGridColumn* column);
    void dbgrd1CellClick();
    void dbgrd2CellClick();
    void dbgrd3CellClick();
    void tmr1Timer();
    bool resultGridWheel(grid::TDataGrid* grid, QEvent* event);
    bool dbgrd1WndProc(QEvent* event);
    bool dbgrd2WndProc(QEvent* event);
    bool dbgrd3WndProc(QEvent* event);
    bool storeSelectedTrainId(const grid::TDataGrid& grid);
    template <typename Window>
    void openTrainWindow(const grid::TDataGrid& grid);

    std::filesystem::path dataFile_;
    QWidget* clientArea_ = nullptr;
    stationinput::StationList stations_;
    BeginUpdateFunction beginUpdate_;
    bool shownOnce_ = false;
};

} // namespace tessarin::app
