#include "GridFixture.h"
#include "data/DataError.h"
#include "support/MessageBoxCatcher.h"

#include <functional>

namespace tessarin::testing {
namespace {

// Rows whose stored rows cannot be deleted, as a result over several tables.
class RefusingRows : public TestRows {
protected:
    void deleteStoredRow(const Row&) override { throw data::DataError("Cannot delete this row"); }
};

class GridDelete : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        addColumn("id", 60);
        grid->setFocus();
    }
    void pressCtrlDelete() { QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier); }
    std::vector<std::string> ids(const data::DataSet& set) const {
        std::vector<std::string> result;
        for (int r = 0; r < set.recordCount(); ++r)
            result.push_back(set.text(r, 0));
        return result;
    }
};

using Ids = std::vector<std::string>;

struct DeleteCase {
    const char* name;
    std::function<void(grid::TDataGrid&, TestRows&)> setUp;
    QMessageBox::StandardButton answer;
    bool asks;
    Ids left;
};

class GridDeleteTable : public GridDelete, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(GridDeleteTable, CtrlDeleteAsksAndDeletesOnlyOnOk) {
    const DeleteCase& c = GetParam();
    rows.openNumbered(4);
    rows.moveBy(1);
    c.setUp(*grid, rows);
    MessageBoxCatcher boxes(c.answer);
    pressCtrlDelete();
    ASSERT_EQ(boxes.boxes().size(), c.asks ? 1u : 0u);
    if (c.asks) {
        const MessageBoxCatcher::Box& box = boxes.boxes().front();
        EXPECT_EQ(box.caption, QStringLiteral("列车时刻表"));
        EXPECT_EQ(box.text, QStringLiteral("Delete record?"));
        EXPECT_EQ(box.icon, QMessageBox::Question);
        EXPECT_EQ(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    }
    EXPECT_EQ(ids(rows), c.left);
}

void asIs(grid::TDataGrid&, TestRows&) {}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridDeleteTable,
    ::testing::Values(
        DeleteCase{"okDeletesTheCurrentRecord", asIs, QMessageBox::Ok, true, {"K1", "K3", "K4"}},
        DeleteCase{"cancelDeletesNothing", asIs, QMessageBox::Cancel, true, {"K1", "K2", "K3", "K4"}},
        DeleteCase{"readOnlyGridDoesNotAsk", [](grid::TDataGrid& g, TestRows&) { g.setReadOnly(true); },
                   QMessageBox::Ok, false, {"K1", "K2", "K3", "K4"}},
        DeleteCase{"deletionNotAllowed",
                   [](grid::TDataGrid& g, TestRows&) {
                       g.setAllowedOperations(grid::defaultAllowedOperations & ~grid::TDataGridAllowedOperations(grid::aoDelete));
                   },
                   QMessageBox::Ok, false, {"K1", "K2", "K3", "K4"}},
        DeleteCase{"emptyDataSet", [](grid::TDataGrid&, TestRows& r) { r.open({"id"}, {}); }, QMessageBox::Ok,
                   false, {}},
        DeleteCase{"withoutConfirmDeleteAtOnce",
                   [](grid::TDataGrid& g, TestRows&) { g.setOptions(g.Options() & ~grid::TGridOptions(grid::dgConfirmDelete)); },
                   QMessageBox::Ok, false, {"K1", "K3", "K4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridDelete, ARefusedDeletionIsReportedAndTheGridStaysOnTheRecord) {
    RefusingRows refusing;
    refusing.openNumbered(4);
    refusing.moveBy(2);
    source.setDataSet(&refusing);
    MessageBoxCatcher boxes;
    pressCtrlDelete();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    const MessageBoxCatcher::Box& error = boxes.boxes().back();
    EXPECT_EQ(error.caption, QStringLiteral("列车时刻表"));
    EXPECT_EQ(error.text, QStringLiteral("Cannot delete this row."));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(ids(refusing), (Ids{"K1", "K2", "K3", "K4"}));
    EXPECT_EQ(refusing.recNo(), 3);
    EXPECT_EQ(grid->currentRow(), 2);
    source.setDataSet(&rows);
}

} // namespace
} // namespace tessarin::testing
