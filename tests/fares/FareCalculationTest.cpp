#include "fares/ComputeFareTexts.h"

#include "FareTables.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "fares/FareError.h"

#include <gtest/gtest.h>

#include <array>

namespace tessarin::fares {
namespace {

using testing::Rows;
using testing::sharedFareScale;
using testing::zonesGivingBaseFare;
using Texts = std::array<std::string, 7>;

FareInputs inputs(std::string type, std::string distance, std::array<std::string, 4> classes = {"1", "1", "1", "1"}) {
    return {std::move(type), std::move(distance), classes[0], classes[1], classes[2], classes[3]};
}

const std::array<std::string, 4> allHidden{"0", "0", "0", "0"};

// Table-driven types on a fare scale that gives the base fare b whatever the
// distance. Expected texts in the order hard seat, soft seat, hard sleeper
// upper, middle, lower, soft sleeper upper, lower.
struct TypeCase {
    const char* name;
    std::string b;
    FareInputs inputs;
    Texts texts;
};

void PrintTo(const TypeCase& c, std::ostream* out) { *out << c.name; }

class TableDrivenFareTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TableDrivenFareTest, EachTypeFormsItsClassesFromTheBaseFare) {
    const TypeCase& c = GetParam();
    data::Connection& connection = sharedFareScale({}, zonesGivingBaseFare(c.b));
    EXPECT_EQ(ComputeFareTexts(connection, c.inputs, '.').inOrder(), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Fares, TableDrivenFareTest,
    ::testing::Values(
        // W0 = 23: the 20 and 40 per cent soft-seat steps are not rounded.
        TypeCase{"OrdinarySlow", "11.5", inputs("普慢", "150"), {"13", "26", "36", "37", "38", "47", "49"}},
        TypeCase{"OrdinaryFast", "11.5", inputs("普快", "150"), {"15", "28.6", "38", "39", "40", "61.6", "63.6"}},
        TypeCase{"Express", "11.5", inputs("快速", "150"), {"17", "33.2", "40", "41", "42", "66.2", "68.2"}},
        TypeCase{"AirConditioned", "11.5", inputs("空调普快", "150"), {"28", "45", "58", "59", "61", "86", "89"}},
        TypeCase{"OtherType", "11.5", inputs("特快", "150"), {"31", "47", "61", "62", "64", "87", "92"}},
        // b = 12 makes 0.25 b, 1.2 b and 1.95 b whole, where U and R part.
        TypeCase{"OrdinarySlowWholeTerms", "12", inputs("普慢", "150"), {"13", "27", "36", "37", "39", "49", "51"}},
        TypeCase{"AirConditionedWholeTerms", "12", inputs("空调普快", "150"),
                 {"28", "45", "58", "59", "62", "88", "91"}},
        TypeCase{"OtherTypeWholeTerms", "12", inputs("特快", "150"), {"32", "48", "62", "65", "66", "90", "94"}},
        TypeCase{"RealisticBaseFare", "27.5467", inputs("快速", "500"), {"41", "78", "81", "84", "87", "143", "149"}},
        // The double nearest 1.4: i = 1 and F = 1 (double arithmetic gives F = 2).
        TypeCase{"BaseFareNearest1Point4", "1.4", inputs("普慢", "150"), {"2", "4", "14", "14", "14", "7", "8"}},
        TypeCase{"TypeWithATrailingBlankIsAnotherType", "11.5", inputs("普快 ", "150"),
                 {"31", "47", "61", "62", "64", "87", "92"}},
        // Without soft seat the soft sleeper builds on W0.
        TypeCase{"OrdinarySlowWithoutSeats", "11.5", inputs("普慢", "150", {"0", "0", "1", "1"}),
                 {"--", "--", "36", "37", "38", "46", "48"}},
        TypeCase{"OrdinaryFastWithoutSeats", "11.5", inputs("普快", "150", {"0", "0", "1", "1"}),
                 {"--", "--", "38", "39", "40", "56", "58"}},
        TypeCase{"ExpressWithoutSeats", "11.5", inputs("快速", "150", {"0", "0", "1", "1"}),
                 {"--", "--", "40", "41", "42", "56", "58"}},
        TypeCase{"AirConditionedWithoutSeats", "11.5", inputs("空调普快", "150", {"0", "0", "1", "1"}),
                 {"--", "--", "58", "59", "61", "85", "88"}},
        TypeCase{"OtherTypeWithoutSeats", "11.5", inputs("特快", "150", {"0", "0", "1", "1"}),
                 {"--", "--", "61", "62", "64", "87", "92"}},
        // One yuan more from 1000 km for the three plain types only.
        TypeCase{"OrdinarySlowAt999Point9", "11.5", inputs("普慢", "999.9", {"1", "0", "0", "0"}),
                 {"13", "--", "--", "--", "--", "--", "--"}},
        TypeCase{"OrdinarySlowAt1000", "11.5", inputs("普慢", "1000", {"1", "0", "0", "0"}),
                 {"14", "--", "--", "--", "--", "--", "--"}},
        TypeCase{"OrdinaryFastAt1000", "11.5", inputs("普快", "1000", {"1", "0", "0", "0"}),
                 {"16", "--", "--", "--", "--", "--", "--"}},
        TypeCase{"ExpressAt1000", "11.5", inputs("快速", "1000", {"1", "0", "0", "1"}),
                 {"18", "--", "--", "--", "--", "56", "58"}},
        TypeCase{"AirConditionedAt1000", "11.5", inputs("空调普快", "1000", {"1", "0", "1", "0"}),
                 {"28", "--", "58", "59", "61", "--", "--"}},
        // Only the exact text "0" hides a class.
        TypeCase{"ClassValuesOtherThanZeroAreOffered", "11.5", inputs("普慢", "150", {"0.0", " 0", "", "00"}),
                 {"13", "26", "36", "37", "38", "47", "49"}},
        TypeCase{"AllClassesHidden", "11.5", inputs("普慢", "150", allHidden),
                 {"--", "--", "--", "--", "--", "--", "--"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableDrivenFare, WithoutAFareZoneTheBaseFareIsZero) {
    data::Connection& connection = sharedFareScale({{"10", "201", "10", "20"}}, {});
    EXPECT_EQ(ComputeFareTexts(connection, inputs("普慢", "150"), '.').inOrder(),
              (Texts{"1", "1", "11", "11", "11", "2", "2"}));
}

TEST(TableDrivenFare, TextsAreReadAndShownWithTheGivenDecimalSeparator) {
    data::Connection& connection = sharedFareScale({}, zonesGivingBaseFare("11,5"));
    const FareTexts texts = ComputeFareTexts(connection, inputs("普快", "150,5"), ',');
    EXPECT_EQ(texts.hardSeat, "15");
    EXPECT_EQ(texts.softSeat, "28,6");
    EXPECT_EQ(texts.softSleeperLower, "63,6");
}

struct MultipleUnitCase {
    const char* name;
    FareInputs inputs;
    Texts texts;
};

void PrintTo(const MultipleUnitCase& c, std::ostream* out) { *out << c.name; }

class MultipleUnitFareTest : public ::testing::TestWithParam<MultipleUnitCase> {};

TEST_P(MultipleUnitFareTest, FixedRatesPerKilometreWithoutTheFareScale) {
    const MultipleUnitCase& c = GetParam();
    data::Connection& connection = sharedFareScale({}, {});
    // Without the fare tables, undone when the test ends.
    data::Transaction withoutFareScale(connection);
    connection.execute("drop table qdsn");
    connection.execute("drop table qdlj");
    EXPECT_EQ(ComputeFareTexts(connection, c.inputs, '.').inOrder(), c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Fares, MultipleUnitFareTest,
    ::testing::Values(
        MultipleUnitCase{"ZeroKilometres", inputs("动车组", "0"), {"0", "0", "0", "0", "0", "0", "0"}},
        MultipleUnitCase{"HundredKilometres", inputs("动车组", "100"), {"31", "37", "59", "59", "59", "45", "50"}},
        MultipleUnitCase{"HalfKilometre", inputs("动车组", "1234.5"), {"382", "459", "733", "733", "733", "553", "618"}},
        MultipleUnitCase{"SomeClassesHidden", inputs("动车组", "100", {"0", "1", "0", "1"}),
                         {"--", "37", "--", "--", "--", "45", "50"}},
        MultipleUnitCase{"NoClassOfferedLeavesTheDistanceUnread", inputs("动车组", "not a number", allHidden),
                         {"--", "--", "--", "--", "--", "--", "--"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every failure, raised with all four classes hidden: a table-driven type
// reads and converts its fare scale all the same.
struct FailureCase {
    const char* name;
    Rows bands;
    Rows zones;
    FareInputs inputs;
    std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class FareFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FareFailureTest, TheComputationStopsWithTheOffendingText) {
    const FailureCase& c = GetParam();
    data::Connection& connection = sharedFareScale(c.bands, c.zones);
    try {
        ComputeFareTexts(connection, c.inputs, '.');
        FAIL() << "no error";
    } catch (const FareError& error) {
        EXPECT_EQ(error.what(), c.message);
    }
}

const std::string fallingDistance =
    "The timetable's distance between these stations is -37 km: its distances fall along the train's run";

const Rows goodBands{{"10", "201", "10", "20"}};
const Rows goodZones{{"1", "200", "0.05861", "0"}, {"0", "0", "0", "0"}};

FailureCase hiddenCase(const char* name, Rows bands, Rows zones, std::string distance, std::string message) {
    return {name, std::move(bands), std::move(zones), inputs("普快", std::move(distance), allHidden),
            std::move(message)};
}

INSTANTIATE_TEST_SUITE_P(
    Fares, FareFailureTest,
    ::testing::Values(
        hiddenCase("DistanceNotANumber", goodBands, goodZones, "12km", "'12km' is not a valid floating point value"),
        hiddenCase("EmptyDistance", goodBands, goodZones, "", "'' is not a valid floating point value"),
        hiddenCase("DistanceBeyondTheExtendedRange", goodBands, goodZones, "1e5000",
                   "'1e5000' is not a valid floating point value"),
        hiddenCase("DistanceTooLargeForADouble", goodBands, goodZones, "1e400", "Floating point overflow"),
        hiddenCase("DistanceThatFalls", goodBands, goodZones, "-37", fallingDistance),
        hiddenCase("BandEndNotANumber", {{"10", "abc", "10", "20"}}, goodZones, "150",
                   "'abc' is not a valid floating point value"),
        hiddenCase("BandStartNotWhole", {{"10.5", "201", "10", "20"}}, goodZones, "150",
                   "'10.5' is not a valid integer value"),
        hiddenCase("SectionLengthEmpty", {{"10", "201", "", "20"}}, goodZones, "150",
                   "'' is not a valid integer value"),
        hiddenCase("BandEndNotWhole", {{"10", "201.5", "10", "20"}}, goodZones, "150",
                   "'201.5' is not a valid integer value"),
        hiddenCase("SectionCountNotWhole", {{"10", "201", "10", "x"}}, goodZones, "150",
                   "'x' is not a valid integer value"),
        hiddenCase("ZoneEndNotANumber", goodBands, {{"1", "x", "0.05861", "0"}}, "150",
                   "'x' is not a valid floating point value"),
        hiddenCase("ZoneStartEmptyFrom200", goodBands, {{"", "200", "0.05861", "0"}, {"0", "0", "0", "0"}}, "250",
                   "'' is not a valid floating point value"),
        hiddenCase("RateNotANumber", goodBands, {{"1", "200", "0.058.61", "0"}}, "150",
                   "'0.058.61' is not a valid floating point value"),
        hiddenCase("KeyRowMissing", goodBands, {{"1", "200", "0.05861", "0"}}, "250",
                   "'' is not a valid floating point value"),
        FailureCase{"MultipleUnitDistanceNotANumber", {}, {}, inputs("动车组", "abc", {"0", "1", "0", "0"}),
                    "'abc' is not a valid floating point value"},
        FailureCase{"MultipleUnitDistanceThatFalls", {}, {}, inputs("动车组", "-0.5", {"0", "1", "0", "0"}),
                    "The timetable's distance between these stations is -0.5 km: its distances fall along the "
                    "train's run"},
        FailureCase{"MultipleUnitFareBeyond64Bits", {}, {}, inputs("动车组", "1e300"),
                    "Invalid floating point operation"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FareFailure, AMissingFareTableIsTheDatabaseErrorEvenWithEveryClassHidden) {
    data::Connection& connection = sharedFareScale({}, zonesGivingBaseFare("11.5"));
    data::Transaction withoutBands(connection);
    connection.execute("drop table qdsn");
    EXPECT_THROW(ComputeFareTexts(connection, inputs("普慢", "150", allHidden), '.'), data::DataError);
}

} // namespace
} // namespace tessarin::fares
