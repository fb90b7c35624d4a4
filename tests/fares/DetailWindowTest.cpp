#include "CommaLocale.h"
#include "WindowFixture.h"
#include "fares/ComputeFareTexts.h"
#include "support/MessageBoxCatcher.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace tessarin::fares::testing {
namespace {

using tessarin::testing::MessageBoxCatcher;

class DetailWindow : public WindowFixture {
protected:
    // A train_tmp row of K7 whose fields fill without error.
    void addRowOfK7() { addResultRows({{"K7", "快速", "北京", "天津", "137", "1:30", "0", "1", "1", "1", "1"}}); }

    grid::TDataGrid* stopGrid(TForm2& form) { return form.findChild<grid::TDataGrid*>("dbgrd1"); }

    // The twelve fields are all empty.
    static void expectEmptyFields(const TForm2& form) {
        for (const auto& field : EmptyDetailFields())
            EXPECT_EQ(fieldText(form, field.fieldName.data()), "") << field.fieldName;
    }
};

// Which field shows which fare, and the class value that offers it.
struct FareField {
    const char* name;
    std::string FareTexts::*fare;
    std::string FareInputs::*classValue;
};

const FareField fareFields[] = {
    {"edt9", &FareTexts::hardSeat, &FareInputs::p1},
    {"edt3", &FareTexts::softSeat, &FareInputs::p2},
    {"edt5", &FareTexts::hardSleeperUpper, &FareInputs::p3},
    {"edt6", &FareTexts::hardSleeperMiddle, &FareInputs::p3},
    {"edt7", &FareTexts::hardSleeperLower, &FareInputs::p3},
    {"edt4", &FareTexts::softSleeperUpper, &FareInputs::p4},
    {"edt8", &FareTexts::softSleeperLower, &FareInputs::p4},
};

class DetailWindowFares : public DetailWindow, public ::testing::WithParamInterface<FareInputs> {};

TEST_P(DetailWindowFares, ShowTheResultRowAndEachClassInItsOwnField) {
    const FareInputs& inputs = GetParam();
    addResultRows({{"K7", inputs.type, "北京", "沈阳北", inputs.distance, "9:42", "1", inputs.p1, inputs.p2,
                    inputs.p3, inputs.p4}});
    const FareTexts expected = ComputeFareTexts(connection, inputs);
    MessageBoxCatcher boxes;

    TForm2 form(connection, "K7");
    show(form);

    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(form.windowTitle(), "车次：K7（票价以实际票价为准！）");
    EXPECT_EQ(fieldText(form, "edt1"), "北京");
    EXPECT_EQ(fieldText(form, "edt2"), "沈阳北");
    EXPECT_EQ(fieldText(form, "edt12"), QString::fromStdString(inputs.distance));
    EXPECT_EQ(fieldText(form, "edt11"), "9:42");
    EXPECT_EQ(fieldText(form, "edt10"), "1");
    for (const FareField& field : fareFields) {
        const QString shown = fieldText(form, field.name);
        if (inputs.*field.classValue == "0") {
            EXPECT_EQ(shown, "--") << field.name << " of a class not offered";
        } else {
            EXPECT_EQ(shown.toStdString(), expected.*field.fare) << field.name;
            EXPECT_NE(shown, "--") << field.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Trains, DetailWindowFares,
                         ::testing::Values(FareInputs{"快速", "350", "1", "1", "1", "1"},
                                           FareInputs{"快速", "1200", "1", "0", "1", "0"},
                                           FareInputs{"快速", "350", "0", "1", "0", "1"},
                                           FareInputs{"动车组", "286", "1", "1", "1", "1"},
                                           FareInputs{"动车组", "286", "0", "1", "1", "0"}));

TEST_F(DetailWindow, StoredNumbersConvertInALocaleThatWritesDecimalsWithAComma) {
    if (!commaLocaleAvailable())
        GTEST_SKIP() << "the locale " << commaLocaleName << " is not installed (scripts/install-deps.sh test)";
    addResultRows({{"K7", "普快", "北京", "天津", "150", "1:30", "0", "1", "1", "1", "1"}});
    const CommaLocale comma;
    MessageBoxCatcher boxes;

    TForm2 form(connection, "K7");
    show(form);

    EXPECT_TRUE(boxes.boxes().empty()) << boxes.boxes().front().text.toStdString();
    EXPECT_EQ(fieldText(form, "edt12"), "150");
    EXPECT_EQ(fieldText(form, "edt9"), "15");
    EXPECT_EQ(fieldText(form, "edt3"), "28,6");
    EXPECT_EQ(fieldText(form, "edt8"), "63,6");
}

TEST_F(DetailWindow, TheFirstOfSeveralResultRowsSuppliesTheFields) {
    addResultRows({{"K7", "快速", "天津", "唐山", "120", "1:10", "0", "1", "1", "1", "1"},
                   {"K7", "动车组", "北京", "天津", "137", "0:30", "0", "1", "1", "1", "1"}});
    const FareTexts expected = ComputeFareTexts(connection, {"快速", "120", "1", "1", "1", "1"});

    TForm2 form(connection, "K7");
    show(form);

    EXPECT_EQ(fieldText(form, "edt1"), "天津");
    EXPECT_EQ(fieldText(form, "edt12"), "120");
    EXPECT_EQ(fieldText(form, "edt9").toStdString(), expected.hardSeat);
}

TEST_F(DetailWindow, AMultipleUnitTrainNeedsNoFareTables) {
    tessarin::testing::TemporaryTimetable timetable;
    data::Connection withoutFareScale(timetable.file());
    withoutFareScale.execute("drop table qdsn");
    withoutFareScale.execute("drop table qdlj");
    addResultRows(withoutFareScale, {{"D5", "动车组", "北京", "天津", "100", "0:30", "0", "1", "1", "1", "1"}});
    MessageBoxCatcher boxes;

    TForm2 form(withoutFareScale, "D5");
    show(form);

    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(fieldText(form, "edt9"), "31");
    EXPECT_EQ(fieldText(form, "edt3"), "37");
}

TEST_F(DetailWindow, AMissingDetailRowGivesOneErrorBoxTheStopListAndEmptyFields) {
    addRowOfK7();
    addNumberedStops("T9", 3);
    MessageBoxCatcher boxes;

    TForm2 form(connection, "T9");
    show(form);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "列车时刻表");
    EXPECT_EQ(boxes.boxes()[0].text, "'' is not a valid floating point value.");
    EXPECT_EQ(boxes.boxes()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "车次：T9（票价以实际票价为准！）");
    EXPECT_EQ(shownStations(*stopGrid(form)), (std::vector<std::string>{"站1", "站2", "站3"}));
    expectEmptyFields(form);

    // The one-record wheel handling was never installed: a quarter notch,
    // which the grid only adds up, moves nothing.
    turnWheel(stopGrid(form), -30);
    EXPECT_EQ(shownStops(*stopGrid(form))->recNo(), 1);
}

TEST_F(DetailWindow, ADistanceThatFallsIsToldInsteadOfAFare) {
    addResultRows({{"T99", "特快", "天津", "唐山", "-37", "0:55", "0", "1", "1", "1", "1"}});
    MessageBoxCatcher boxes;

    TForm2 form(connection, "T99");
    show(form);

    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "The timetable's distance between these stations is -37 km: its distances fall "
                                     "along the train's run.");
    expectEmptyFields(form);
}

TEST_F(DetailWindow, EachWheelEventMovesTheStopListByOneRecord) {
    addRowOfK7();
    addNumberedStops("K7", 5);
    TForm2 form(connection, "K7");
    show(form);
    grid::TDataGrid* grid = stopGrid(form);
    data::DataSet* stops = shownStops(*grid);
    ASSERT_NE(stops, nullptr);

    struct Turn {
        int delta;
        int recordAfter;
    };
    const Turn turns[] = {{-360, 2}, {-30, 3}, {120, 2}, {0, 1}, {240, 1}};
    for (const Turn& turn : turns) {
        turnWheel(grid, turn.delta);
        EXPECT_EQ(stops->recNo(), turn.recordAfter) << "after a turn of " << turn.delta;
    }

    stops->last();
    turnWheel(grid, -120);
    EXPECT_EQ(stops->recNo(), 5) << "at the last record";

    stops->first();
    turnWheel(grid, QPoint(-120, 0));
    EXPECT_EQ(stops->recNo(), 1) << "a sideways turn is not the wheel that moves records";
}

TEST_F(DetailWindow, LayoutAsDesigned) {
    addRowOfK7();
    TForm2 form(connection, "K7");
    show(form);

    struct Place {
        const char* field;
        QPoint fieldAt;
        const char* label;
        QPoint labelAt;
        const char* caption;
    };
    const Place places[] = {
        {"edt1", {45, 9}, "lbl1", {1, 11}, "发站："},       {"edt2", {201, 9}, "lbl2", {154, 16}, "到站："},
        {"edt12", {355, 10}, "lbl10", {310, 16}, "里程："},  {"edt9", {46, 33}, "lbl4", {1, 35}, "硬座："},
        {"edt3", {202, 34}, "lbl8", {154, 40}, "软座："},    {"edt11", {355, 34}, "lbl11", {310, 41}, "历时："},
        {"edt4", {46, 58}, "lbl7", {1, 60}, "软卧上："},     {"edt8", {202, 59}, "lbl3", {154, 64}, "软卧下："},
        {"edt10", {355, 58}, "lbl12", {310, 66}, "天数："},  {"edt5", {46, 82}, "lbl5", {1, 85}, "硬卧上："},
        {"edt6", {203, 83}, "lbl6", {155, 88}, "硬卧中："},  {"edt7", {355, 82}, "lbl9", {310, 87}, "硬卧下："},
    };
    for (const Place& place : places) {
        const auto* field = form.findChild<QLineEdit*>(place.field);
        const auto* label = form.findChild<QLabel*>(place.label);
        ASSERT_TRUE(field && label) << place.field;
        EXPECT_EQ(field->geometry(), QRect(place.fieldAt, QSize(105, 20))) << place.field;
        EXPECT_TRUE(field->isReadOnly()) << place.field;
        EXPECT_EQ(label->pos(), place.labelAt) << place.label;
        EXPECT_EQ(label->text(), place.caption) << place.label;
    }
    EXPECT_EQ(form.findChild<QWidget*>("PaintControl1")->geometry(), QRect(0, 0, 464, 526));
    EXPECT_EQ(stopGrid(form)->geometry(), QRect(0, 103, 461, 362));
    const auto* close = form.findChild<QPushButton*>("btn2");
    EXPECT_EQ(close->geometry(), QRect(152, 480, 161, 33));
    EXPECT_EQ(close->text(), "关闭");
    EXPECT_FALSE(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(form.windowIcon().isNull());

    const QImage look = form.grab().toImage();
    EXPECT_EQ(look.pixelColor(400, 500), QColor(194, 201, 229)) << "the panel";
    EXPECT_EQ(look.pixelColor(100, 19), QColor(255, 255, 255)) << "inside edt1";
}

TEST_F(DetailWindow, TabGoesFromTheCloseButtonThroughTheFieldsToTheStopGrid) {
    addRowOfK7();
    TForm2 form(connection, "K7");
    show(form);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "btn2");

    QStringList visited;
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"edt1", "edt2", "edt3", "edt4", "edt5", "edt6", "edt7", "edt9", "edt8", "edt10",
                                    "edt11", "edt12", "dbgrd1", "btn2"}));
}

TEST_F(DetailWindow, TheCloseButtonEndsTheModalLoopAndEscDoesNot) {
    addRowOfK7();
    TForm2 form(connection, "K7");
    QTimer::singleShot(0, &form, [&form] {
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible()) << "Esc closed the window";
        form.findChild<QPushButton*>("btn2")->click();
    });
    form.exec();
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace tessarin::fares::testing
