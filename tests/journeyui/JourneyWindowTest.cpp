#include "fares/ComputeFareTexts.h"
#include "fares/WindowFixture.h"
#include "journeyui/JourneyWindow.h"
#include "support/MessageBoxCatcher.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tessarin::journeyui {
namespace {

using journeys::Journey;
using journeys::JourneyLeg;
using tessarin::testing::MessageBoxCatcher;
using Texts = std::vector<std::vector<std::string>>;

JourneyLeg leg(const std::string& train, const std::string& type, const std::string& from, const std::string& to,
               const std::string& distance, std::array<std::string, 4> classes, int waitBefore, int ride) {
    JourneyLeg made;
    made.trainId = train;
    made.type = type;
    made.fromStation = from;
    made.toStation = to;
    made.departureTime = "08:00";
    made.arrivalTime = "09:30";
    made.distanceText = distance;
    made.classes = std::move(classes);
    made.waitBefore = waitBefore;
    made.ride = ride;
    return made;
}

// 甲 → 丙 on K1 (快速, 100 km; over a base fare of 11.5: hard seat 17, soft
// seat 33.2), a wait of 0:45, then 丙 → 乙 on D2 (动车组, 100 km, no soft
// sleeper: hard seat 31, soft seat 37).
Journey oneChange() {
    Journey journey;
    journey.legs = {leg("K1", "快速", "甲", "丙", "100", {"1", "1", "1", "1"}, 0, 90),
                    leg("D2", "动车组", "丙", "乙", "100", {"1", "1", "1", "0"}, 45, 90)};
    return journey;
}

std::string withSeparator(const char* whole, const char* tenths) {
    return whole + std::string(1, data::localeDecimalSeparator()) + tenths;
}

class JourneyWindowTest : public fares::testing::WindowFixture {
protected:
    static grid::TDataGrid* gridOf(const JourneyWindow& window, const char* name) {
        return window.findChild<grid::TDataGrid*>(name);
    }

    // Every row a grid shows, each cell as it is displayed.
    static Texts shownRows(const grid::TDataGrid& grid) {
        Texts rows;
        const data::DataSet* shown = shownStops(grid);
        for (int record = 1; shown && record <= shown->recordCount(); ++record) {
            std::vector<std::string>& row = rows.emplace_back();
            for (int column = 0; column < grid.Columns().Count(); ++column)
                row.push_back(grid.Columns()[column].Field()->DisplayText(record).toStdString());
        }
        return rows;
    }

    static std::vector<std::string> fareRow(const std::string& title, const fares::FareTexts& texts) {
        std::vector<std::string> row{title};
        for (const std::string& text : texts.inOrder())
            row.push_back(text);
        return row;
    }

    static fares::FareTexts faresOf(data::Connection& connection, const JourneyLeg& leg) {
        return fares::ComputeFareTexts(connection, {leg.type, leg.distanceText, leg.classes[0], leg.classes[1],
                                                    leg.classes[2], leg.classes[3]});
    }

    void addStopsOfBothTrains() {
        addStops("K1", {{"甲", "1"}, {"丙", "2"}});
        addStops("D2", {{"丁", "1"}, {"丙", "2"}, {"乙", "3"}});
    }
};

TEST_F(JourneyWindowTest, ShowsEachLegItsFaresAndTheTotalOfEachClass) {
    addStopsOfBothTrains();
    const Journey journey = oneChange();
    MessageBoxCatcher boxes;

    JourneyWindow window(connection, journey);
    show(window);

    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(window.windowTitle(), "车次：K1→D2（票价以实际票价为准！）");
    EXPECT_EQ(shownRows(*gridOf(window, "dbgrd1")),
              (Texts{{"K1", "快速", "甲", "08:00", "丙", "09:30", "100", "1:30", "-"},
                     {"D2", "动车组", "丙", "08:00", "乙", "09:30", "100", "1:30", "0:45"}}));

    const Texts fares = shownRows(*gridOf(window, "dbgrd2"));
    ASSERT_EQ(fares.size(), 3u);
    EXPECT_EQ(fares[0], fareRow("K1", faresOf(connection, journey.legs[0])));
    EXPECT_EQ(fares[1], fareRow("D2", faresOf(connection, journey.legs[1])));
    EXPECT_EQ(fares[2][0], "合计");
    EXPECT_EQ(fares[2][1], "48");
    EXPECT_EQ(fares[2][2], withSeparator("70", "2"));
    for (int berth = 3; berth <= 5; ++berth)
        EXPECT_EQ(std::stod(fares[2][berth]), std::stod(fares[0][berth]) + std::stod(fares[1][berth])) << berth;
    EXPECT_EQ(fares[2][6], "--") << "D2 has no soft sleeper";
    EXPECT_EQ(fares[2][7], "--");
}

TEST_F(JourneyWindowTest, ALegClickShowsThatTrainsStops) {
    addStopsOfBothTrains();
    JourneyWindow window(connection, oneChange());
    show(window);
    grid::TDataGrid* stops = gridOf(window, "dbgrd3");
    const auto* caption = window.findChild<QLabel*>("lbl3");
    EXPECT_EQ(caption->text(), "K1次经停站：");
    EXPECT_EQ(shownStations(*stops), (std::vector<std::string>{"甲", "丙"}));

    grid::TDataGrid* legs = gridOf(window, "dbgrd1");
    QTest::mouseClick(legs, Qt::LeftButton, {}, legs->Layout().dataCell(1, 4).center() + legs->clientRect().topLeft());
    EXPECT_EQ(caption->text(), "D2次经停站：");
    EXPECT_EQ(shownStations(*stops), (std::vector<std::string>{"丁", "丙", "乙"}));
}

TEST_F(JourneyWindowTest, AFareThatCannotBeComputedIsToldOnceAndTheLegsAndStopsStillShow) {
    addStopsOfBothTrains();
    Journey journey = oneChange();
    journey.legs[1].distanceText = "x";
    MessageBoxCatcher boxes;

    JourneyWindow window(connection, journey);
    show(window);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "'x' is not a valid floating point value.");
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(shownRows(*gridOf(window, "dbgrd1")).size(), 2u);
    EXPECT_TRUE(shownRows(*gridOf(window, "dbgrd2")).empty()) << "no fares until every leg's is known";
    EXPECT_EQ(shownStations(*gridOf(window, "dbgrd3")), (std::vector<std::string>{"甲", "丙"}));
}

TEST_F(JourneyWindowTest, TheCloseButtonEndsTheModalLoop) {
    JourneyWindow window(connection, oneChange());
    QTimer::singleShot(0, &window, [&window] {
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible()) << "Esc closed the window";
        window.findChild<QPushButton*>("btn2")->click();
    });
    window.exec();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace tessarin::journeyui
