#include "JourneyWindow.h"

#include "widgets/MessageBoxes.h"
#include "fares/DetailWindowIcon.h"
#include "grid/TDataGrid.h"
#include "journeys/JourneyFares.h"
#include "queries/RunningTime.h"
#include "queries/StopList.h"
#include "widgets/TColor.h"
#include "widgets/TFont.h"
#include "widgets/TPaintControl.h"

#include <QLabel>
#include <QPushButton>

namespace tessarin::journeyui {
namespace {

using grid::CentredColumn;
using journeys::JourneyLeg;

constexpr QSize clientSize(560, 526);

constexpr CentredColumn legColumns[] = {
    {"id", "车次", 64},       {"type", "列车类型", 68},  {"s_station", "发站", 80},
    {"s_tm", "发时", 50},     {"e_station", "到站", 80}, {"e_tm", "到时", 50},
    {"Distance", "里程", 50}, {"during_tm", "历时", 50}, {"wait_tm", "等候", 50},
};

// The classes in the order of the fare texts.
constexpr CentredColumn fareColumns[] = {
    {"id", "车次", 64},
    {"hard_seat", "硬座", 68},
    {"soft_seat", "软座", 68},
    {"hard_sleeper_upper", "硬卧上", 68},
    {"hard_sleeper_middle", "硬卧中", 68},
    {"hard_sleeper_lower", "硬卧下", 68},
    {"soft_sleeper_upper", "软卧上", 68},
    {"soft_sleeper_lower", "软卧下", 68},
};

std::vector<std::string> fieldsOf(std::span<const CentredColumn> columns) {
    std::vector<std::string> fields;
    for (const CentredColumn& column : columns)
        fields.emplace_back(column.fieldName);
    return fields;
}

std::string trainsOf(const journeys::Journey& journey) {
    std::string trains;
    for (const JourneyLeg& leg : journey.legs)
        trains += (trains.empty() ? "" : "→") + leg.trainId;
    return trains;
}

// The first leg waits for nothing.
data::DataSet::Row legRow(const JourneyLeg& leg, bool first) {
    return {leg.trainId,
            leg.type,
            leg.fromStation,
            leg.departureTime,
            leg.toStation,
            leg.arrivalTime,
            leg.distanceText,
            queries::FormatRunningTime(leg.ride),
            first ? std::string("-") : queries::FormatRunningTime(leg.waitBefore)};
}

data::DataSet::Row fareRow(const std::string& title, const fares::FareTexts& texts) {
    data::DataSet::Row row{title};
    for (const std::string& text : texts.inOrder())
        row.emplace_back(text);
    return row;
}

} // namespace

JourneyWindow::JourneyWindow(data::Connection& connection, journeys::Journey journey)
    : StopListWindow(connection, QString::fromStdString(journey.legs.front().trainId), QPoint(400, 190)),
      journey_(std::move(journey)) {
    setObjectName(QStringLiteral("JourneyWindow"));
    setWindowIcon(fares::detailWindowIcon());
    resize(clientSize);
    lbl1 = addLabel("lbl1", QStringLiteral("乘车区间："), QPoint(4, 8));
    dbgrd1 = addListGrid(QStringLiteral("dbgrd1"), QRect(0, 24, 557, 84), legColumns, legsSource_);
    lbl2 = addLabel("lbl2", QStringLiteral("票价："), QPoint(4, 116));
    dbgrd2 = addListGrid(QStringLiteral("dbgrd2"), QRect(0, 132, 557, 104), fareColumns, faresSource_);
    lbl3 = addLabel("lbl3", QString(), QPoint(4, 244));
    dbgrd3 = addStopGrid(QStringLiteral("dbgrd3"), QRect(0, 260, 557, 205));
    btn2 = addCloseButton(QStringLiteral("btn2"));
    btn2->move((clientSize.width() - btn2->width()) / 2, btn2->y());
    connect(dbgrd1, &grid::TDataGrid::OnCellClick, this, &JourneyWindow::dbgrd1CellClick);
}

QLabel* JourneyWindow::addLabel(const char* name, const QString& caption, QPoint place) {
    auto* label = new QLabel(caption, PaintControl1);
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(widgets::TFont::make(QStringLiteral("宋体"), -12).font);
    label->move(place);
    label->resize(300, 14);
    return label;
}

// The legs first: they need nothing that can fail.
void JourneyWindow::FormShow() {
    setWindowTitle(QStringLiteral("车次：%1（票价以实际票价为准！）").arg(QString::fromStdString(trainsOf(journey_))));
    showLegs();
    showStopsOf(journey_.legs.front());
    showFares();
}

void JourneyWindow::showLegs() {
    std::vector<data::DataSet::Row> rows;
    for (const JourneyLeg& leg : journey_.legs)
        rows.push_back(legRow(leg, &leg == &journey_.legs.front()));
    legs_.open(fieldsOf(legColumns), std::move(rows));
}

void JourneyWindow::showFares() {
    const journeys::JourneyFares found = journeys::ComputeJourneyFares(connection(), journey_);
    std::vector<data::DataSet::Row> rows;
    for (std::size_t i = 0; i < found.legs.size(); ++i)
        rows.push_back(fareRow(journey_.legs[i].trainId, found.legs[i]));
    rows.push_back(fareRow("合计", found.total));
    fares_.open(fieldsOf(fareColumns), std::move(rows));
}

void JourneyWindow::showStopsOf(const JourneyLeg& leg) {
    lbl3->setText(QStringLiteral("%1次经停站：").arg(QString::fromStdString(leg.trainId)));
    queries::openStopList(qry5, leg.trainId);
}

// A click on a leg shows that leg's train's stops.
void JourneyWindow::dbgrd1CellClick() {
    if (!legs_.isOpen() || legs_.isEmpty())
        return;
    widgets::guarded(this, [this] { showStopsOf(journey_.legs.at(static_cast<std::size_t>(legs_.recNo() - 1))); });
}

} // namespace tessarin::journeyui
