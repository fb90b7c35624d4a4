#include "JourneyPage.h"

#include "BannerPane.h"
#include "widgets/MessageBoxes.h"
#include "ResultGridColumns.h"
#include "TForm1.h"
#include "grid/TDataGrid.h"
#include "journeys/JourneyPlanner.h"
#include "journeyui/JourneyWindow.h"
#include "widgets/TPaintControl.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tessarin::app {
namespace {

using journeys::Journey;

// The fields of a journey's record; the last one is the journey's index,
// which no column shows.
const std::vector<std::string> journeyFields{"trains",    "s_station", "s_tm",    "via",     "e_station",
                                             "e_tm",      "during_tm", "changes", "wait_tm", "journey"};

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

data::DataSet::Row journeyRow(const Journey& journey, std::size_t index) {
    std::vector<std::string> trains;
    std::vector<std::string> changeStations;
    for (const journeys::JourneyLeg& leg : journey.legs) {
        trains.push_back(leg.trainId);
        if (&leg != &journey.legs.front())
            changeStations.push_back(leg.fromStation);
    }
    return {joined(trains, "→"),
            journey.legs.front().fromStation,
            journey.legs.front().departureTime,
            changeStations.empty() ? std::string("-") : joined(changeStations, "、"),
            journey.legs.back().toStation,
            journey.legs.back().arrivalTime,
            journey.durationText(),
            std::to_string(journey.changes),
            journey.waitText(),
            std::to_string(index)};
}

void tell(QWidget* parent, std::string_view notice) { widgets::showInformation(parent, QString::fromUtf8(notice)); }

} // namespace

JourneyPage::JourneyPage(TForm1& form, widgets::TPaintControl* panel)
    : QObject(&form), PaintControl3(panel), form_(form) {
    lbl5 = form.createLabel(panel, "lbl5", QStringLiteral("始发站："), QRect(24, 27, 48, 12));
    cbJourneyStart = form.createStationBox(panel, "cbJourneyStart", QRect(80, 24, 145, 21));
    lbl6 = form.createLabel(panel, "lbl6", QStringLiteral("终点站："), QRect(248, 27, 48, 12));
    cbJourneyStop = form.createStationBox(panel, "cbJourneyStop", QRect(312, 24, 145, 21));
    btn8 = form.createQueryButton(panel, "btn8", QRect(512, 24, 75, 25));
    dbgrd4 = form.createResultGrid(panel);
    setUpJourneyColumns(*dbgrd4);
    dbgrd4->setObjectName(QStringLiteral("dbgrd4"));
    dbgrd4->setDataSource(&ds2);
    wb4 = form.createBannerPane(panel, "wb4");
    connect(btn8, &QPushButton::clicked, this, &JourneyPage::btn8Click);
    connect(dbgrd4, &grid::TDataGrid::OnCellClick, this, &JourneyPage::dbgrd4CellClick);
}

JourneyPage::~JourneyPage() = default;

void JourneyPage::clear() {
    journeyRows.close();
    journeys_.clear();
    cbJourneyStart->setEditText(QString());
    cbJourneyStop->setEditText(QString());
}

void JourneyPage::cbJourneyStartKeyUp(int key) {
    form_.stationBoxKeyUp(cbJourneyStart, &TForm1::dat4, cbJourneyStop, key);
}

void JourneyPage::cbJourneyStopKeyUp(int key) { form_.stationBoxKeyUp(cbJourneyStop, &TForm1::dat5, btn8, key); }

void JourneyPage::btn8Click() {
    widgets::guarded(&form_, [this] {
        const std::string from = cbJourneyStart->currentText().toStdString();
        const std::string to = cbJourneyStop->currentText().toStdString();
        if (from.empty())
            return tell(&form_, journeys::noDepartureNotice);
        if (to.empty())
            return tell(&form_, journeys::noArrivalNotice);
        std::vector<Journey> found = planner().plan(from, to);
        if (found.empty()) {
            // The rows of an earlier query would not answer this one.
            journeyRows.close();
            journeys_.clear();
            return tell(&form_, journeys::noJourneyNotice);
        }
        showJourneys(std::move(found));
    });
}

const journeys::JourneyPlanner& JourneyPage::planner() {
    if (!planner_)
        planner_ = std::make_unique<journeys::JourneyPlanner>(form_.con1);
    return *planner_;
}

void JourneyPage::showJourneys(std::vector<Journey> found) {
    std::vector<data::DataSet::Row> rows;
    for (std::size_t i = 0; i < found.size(); ++i)
        rows.push_back(journeyRow(found[i], i));
    journeys_ = std::move(found);
    journeyRows.open(journeyFields, std::move(rows));
}

// The record keeps its journey's index, whatever order a sort gave it.
void JourneyPage::dbgrd4CellClick() {
    if (!journeyRows.isOpen() || journeyRows.isEmpty())
        return;
    widgets::guarded(&form_, [this] {
        journeyui::JourneyWindow window(form_.con1, journeys_.at(std::stoul(journeyRows.fieldText("journey"))));
        window.exec();
    });
}

} // namespace tessarin::app
