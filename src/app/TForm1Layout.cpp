// Building the main window: every control at its place, size, colour and
// font, in the window's tab order.

#include "TForm1.h"

#include "BannerPane.h"
#include "JourneyPage.h"
#include "ResultGridColumns.h"
#include "grid/TDataGrid.h"
#include "widgets/EnterClicksButton.h"
#include "widgets/PageButtonPictures.h"
#include "widgets/TColor.h"
#include "widgets/TFont.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TPageControl.h"
#include "widgets/TPaintControl.h"
#include "widgets/TPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace tessarin::app {
namespace {

using widgets::PageButtonLook;
using widgets::pageButtonPicture;
using widgets::TColor;
using widgets::TFont;

constexpr TColor stripColour = TColor::fromInt(15115410);
constexpr TColor pageColour = TColor::fromInt(15059394);
constexpr int borderWidth = 6;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

widgets::TImgCheckButton* createPageButton(QWidget* strip, const char* name, const QString& caption, QRect geometry,
                                           bool hoverShowsSelected, PageButtonLook plainLook = PageButtonLook::Plain) {
    auto* button = named(new widgets::TImgCheckButton(strip), name);
    button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    button->setCaption(caption);
    button->setImgButtonLayout(widgets::iclImgCenter);
    button->setOnEnterOffset(0);
    button->setOnDownOffset(0);
    button->setAutoRepaintParent(false);
    button->setCheckGroup(0);
    const int width = geometry.width() == 96 ? 95 : geometry.width();
    const QImage plain = pageButtonPicture(plainLook, width);
    const QImage selected = pageButtonPicture(PageButtonLook::Selected, width);
    button->setImgNormal(plain);
    button->setImgEnter(hoverShowsSelected ? selected : plain);
    button->setImgDown(selected);
    button->setImgDisable(plain);
    button->setImgCheck(selected);
    return button;
}

widgets::TPaintControl* createPagePanel(widgets::TTabSheet* page, const char* name) {
    auto* panel = named(new widgets::TPaintControl(page), name);
    panel->setColor(pageColour.toQColor());
    panel->setBorderColor(Qt::black);
    panel->setBorderStyle(widgets::TPaintControl::bsNone);
    panel->setGeometry(QRect(QPoint(0, 0), page->size()));
    return panel;
}

} // namespace

void TForm1::createControls() {
    setFont(TFont::make(QStringLiteral("MS Sans Serif"), -11).font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, widgets::clBtnFace.toQColor());
    setPalette(colours);
    setAutoFillBackground(true);
    clientArea_ = named(new QWidget(this), "ClientArea");
    clientArea_->setGeometry(QRect(QPoint(borderWidth, borderWidth), clientSize()));
    setFixedSize(clientSize() + QSize(2 * borderWidth, 2 * borderWidth));

    // Beneath the page area and never seen, though Tab reaches it.
    Button1 = named(new QPushButton(QStringLiteral("Button1"), clientArea_), "Button1");
    Button1->setGeometry(496, 64, 75, 25);
    widgets::clickOnEnter(*Button1);
    createTopStrip();
    createPageArea();
    tmr1 = named(new QTimer(this), "tmr1");
    tmr1->setInterval(5000);
}

void TForm1::createTopStrip() {
    pnl1 = named(new widgets::TPanel(clientArea_), "pnl1");
    pnl1->setGeometry(0, 0, 641, 41);
    pnl1->setColor(stripColour);
    btn1 = createPageButton(pnl1, "btn1", QStringLiteral("站站查询"), QRect(56, 16, 96, 25), false);
    btn2 = createPageButton(pnl1, "btn2", QStringLiteral("车次查询"), QRect(152, 16, 96, 25), true);
    btn3 = createPageButton(pnl1, "btn3", QStringLiteral("车站所有车次查询"), QRect(248, 16, 135, 25), false);
    btn7 = createPageButton(pnl1, "btn7", QStringLiteral("中转查询"), QRect(383, 16, 96, 25), false,
                            PageButtonLook::PlainLast);
    btn1->setChecked(true);
}

void TForm1::createPageArea() {
    PcMain = named(new widgets::TPaintControl(clientArea_), "PcMain");
    PcMain->setGeometry(0, 41, 641, 576);
    PcMain->setParentColor(true);
    PcMain->setBorderWidth(2);
    PcMain->setBorderColor(Qt::black);
    PcMain->setBorderStyle(widgets::TPaintControl::bsNone);

    pgc1 = named(new widgets::TPageControl(PcMain), "pgc1");
    pgc1->setGeometry(2, 2, 637, 572);
    pgc1->setPageSize(clientSize());
    ts1 = named(pgc1->addPage(QStringLiteral("ts1")), "ts1");
    ts2 = named(pgc1->addPage(QStringLiteral("ts2")), "ts2");
    ts3 = named(pgc1->addPage(QStringLiteral("ts3")), "ts3");
    ts4 = named(pgc1->addPage(QStringLiteral("ts4")), "ts4");
    createStationToStationPage();
    createTrainNumberPage();
    createStationPage();
    journeys = new JourneyPage(*this, createPagePanel(ts4, "PaintControl3"));
}

void TForm1::createStationToStationPage() {
    PaintControl1 = createPagePanel(ts1, "PaintControl1");
    lbl1 = createLabel(PaintControl1, "lbl1", QStringLiteral("始发站："), QRect(24, 27, 48, 12));
    cbStart = createStationBox(PaintControl1, "cbStart", QRect(80, 24, 145, 21));
    lbl2 = createLabel(PaintControl1, "lbl2", QStringLiteral("终点站："), QRect(248, 27, 48, 12));
    cbStop = createStationBox(PaintControl1, "cbStop", QRect(312, 24, 145, 21));
    btn4 = createQueryButton(PaintControl1, "btn4", QRect(512, 24, 75, 25));

    // The store of names the station boxes suggest from; never shown.
    ListBox1 = named(new QListWidget(PaintControl1), "ListBox1");
    ListBox1->setGeometry(424, -96, 121, 97);
    ListBox1->hide();

    dbgrd1 = createResultGrid(PaintControl1);
    setUpStationToStationColumns(*dbgrd1);
    dbgrd1->setObjectName(QStringLiteral("dbgrd1"));
    wb2 = createBannerPane(PaintControl1, "wb2");
}

void TForm1::createTrainNumberPage() {
    pntcntrl1 = createPagePanel(ts2, "pntcntrl1");
    lbl3 = createLabel(pntcntrl1, "lbl3", QStringLiteral("车次："), QRect(121, 27, 36, 12));
    edt1 = named(new QLineEdit(pntcntrl1), "edt1");
    edt1->setGeometry(168, 22, 145, 21);
    btn5 = createQueryButton(pntcntrl1, "btn5", QRect(435, 21, 75, 25));
    dbgrd2 = createResultGrid(pntcntrl1);
    setUpTrainNumberColumns(*dbgrd2);
    dbgrd2->setObjectName(QStringLiteral("dbgrd2"));
    wb3 = createBannerPane(pntcntrl1, "wb3");
}

void TForm1::createStationPage() {
    PaintControl2 = createPagePanel(ts3, "PaintControl2");
    lbl4 = createLabel(PaintControl2, "lbl4", QStringLiteral("站点："), QRect(116, 25, 36, 12));
    sTaBox = createStationBox(PaintControl2, "sTaBox", QRect(162, 22, 161, 21));
    btn6 = createQueryButton(PaintControl2, "btn6", QRect(435, 21, 75, 25));
    dbgrd3 = createResultGrid(PaintControl2);
    setUpStationColumns(*dbgrd3);
    dbgrd3->setObjectName(QStringLiteral("dbgrd3"));
    wb1 = createBannerPane(PaintControl2, "wb1");
}

grid::TDataGrid* TForm1::createResultGrid(QWidget* page) {
    auto* grid = new grid::TDataGrid(page);
    grid->setGeometry(9, 55, 627, 367);
    grid->setDataSource(&ds1);
    return grid;
}

BannerPane* TForm1::createBannerPane(QWidget* page, const char* name) {
    auto* pane = named(new BannerPane(page), name);
    pane->setGeometry(9, 424, 627, 138);
    pane->setCursor(Qt::DragMoveCursor);
    return pane;
}

QComboBox* TForm1::createStationBox(QWidget* page, const char* name, QRect geometry) {
    auto* box = named(new QComboBox(page), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setGeometry(geometry);
    box->setMaxVisibleItems(8);
    return box;
}

QPushButton* TForm1::createQueryButton(QWidget* page, const char* name, QRect geometry) {
    auto* button = named(new QPushButton(QStringLiteral("查询"), page), name);
    button->setGeometry(geometry);
    widgets::clickOnEnter(*button);
    return button;
}

QLabel* TForm1::createLabel(QWidget* page, const char* name, const QString& caption, QRect geometry) {
    auto* label = named(new QLabel(caption, page), name);
    label->setGeometry(geometry);
    label->setFont(TFont::make(QStringLiteral("宋体"), -12).font);
    return label;
}

// The page control comes after the strip and before Button1; on the first
// page the inputs come before the query button, on the next two after it,
// and on the journey page before it again.
void TForm1::setTabOrders() {
    const QList<QWidget*> order{cbStart, cbStop, btn4, dbgrd1, wb2, btn5, edt1, dbgrd2, wb3,
                                btn6,    sTaBox, dbgrd3, wb1, journeys->cbJourneyStart, journeys->cbJourneyStop,
                                journeys->btn8, journeys->dbgrd4, journeys->wb4, Button1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

} // namespace tessarin::app
