#pragma once

#include "FareTables.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "fares/TForm2.h"
#include "fares/TForm3.h"
#include "grid/TDataGrid.h"
#include "support/TemporaryTimetable.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tessarin::fares::testing {

// A timetable whose train and train_tmp tables each case fills afresh, over a
// fare scale giving a base fare of 11.5 for every journey.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        connection.execute("delete from train");
        connection.execute("delete from train_tmp");
    }

    // train_tmp rows: id, type, s_station, e_station, distance, during_tm,
    // during_day, p1 ... p4.
    static void addResultRows(data::Connection& into, const Rows& rows) {
        for (const auto& row : rows)
            into.execute("insert into train_tmp(id,type,s_station,e_station,distance,during_tm,during_day,"
                         "p1,p2,p3,p4) values(?,?,?,?,?,?,?,?,?,?,?)",
                         row);
    }
    void addResultRows(const Rows& rows) { addResultRows(connection, rows); }

    // The stops of a train, stored in the order given: station and stop number.
    static void addStops(data::Connection& into, const std::string& trainId, const Rows& stops) {
        for (const auto& stop : stops)
            into.execute("insert into train(id,type,station,s_no,day,a_time,d_time,distance,p1,p2,p3,p4)"
                         " values(?,'快速',?,?,'0','08:00','08:05','100','1','1','1','1')",
                         {trainId, stop[0], stop[1]});
    }
    void addStops(const std::string& trainId, const Rows& stops) { addStops(connection, trainId, stops); }

    // Stations "站1" … "站n" with stop numbers 1 … n.
    void addNumberedStops(const std::string& trainId, int count) {
        Rows stops;
        for (int i = 1; i <= count; ++i)
            stops.push_back({"站" + std::to_string(i), std::to_string(i)});
        addStops(trainId, stops);
    }

    // Shows the window as exec() does, without its modal loop: FormShow runs.
    static void show(QDialog& window) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
    }

    static QString fieldText(const QWidget& window, const char* name) {
        const auto* field = window.findChild<QLineEdit*>(QString::fromUtf8(name));
        EXPECT_NE(field, nullptr) << name;
        return field ? field->text() : QString();
    }

    // The stop data set a grid shows, or null while it shows none.
    static data::DataSet* shownStops(const grid::TDataGrid& grid) {
        data::DataSource* source = grid.DataSource();
        return source && source->isActive() ? source->dataSet() : nullptr;
    }

    // The stations of the stop list, as the grid's "车站" column shows them.
    static std::vector<std::string> shownStations(const grid::TDataGrid& grid) {
        std::vector<std::string> stations;
        const data::DataSet* stops = shownStops(grid);
        if (!stops)
            return stations;
        const auto& field = grid.Columns()[1].Field();
        EXPECT_TRUE(field.has_value());
        for (int record = 1; field && record <= stops->recordCount(); ++record)
            stations.push_back(field->DisplayText(record).toStdString());
        return stations;
    }

    static void turnWheel(QWidget* widget, QPoint angleDelta) {
        const QPointF inside(20, 40);
        QWheelEvent wheel(inside, widget->mapToGlobal(inside), QPoint(), angleDelta, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    }
    static void turnWheel(QWidget* widget, int delta) { turnWheel(widget, QPoint(0, delta)); }

    data::Connection& connection = sharedFareScale({}, zonesGivingBaseFare("11.5"));
};

} // namespace tessarin::fares::testing
