#pragma once

#include "data/RowsDataSet.h"
#include "data/DataSource.h"
#include "grid/TDataGrid.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarin::testing {

// Rows given by the test, as an open data set.
class TestRows : public data::RowsDataSet {
public:
    // `count` records of the fields id and name: "K1", "name 1", …
    void openNumbered(int count) {
        std::vector<Row> rows;
        for (int i = 1; i <= count; ++i)
            rows.push_back({"K" + std::to_string(i), "name " + std::to_string(i)});
        open({"id", "name"}, std::move(rows));
    }
};

// A shown, active window holding one grid set up as the product's grids are
// (titles, both kinds of lines, whole-row selection), bound to a data
// source over test rows, with fixed fonts.
class GridFixture : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(360, 260);
        grid = new grid::TDataGrid(&window);
        grid->setGeometry(10, 10, 300, 200);
        grid->setOptions(grid::dgTitles | grid::dgColLines | grid::dgRowLines | grid::dgTabs | grid::dgRowSelect |
                         grid::dgConfirmDelete | grid::dgCancelOnExit);
        grid->setFont(widgets::TFont::make(QStringLiteral("DejaVu Sans"), -12));
        grid->setTitleFont(widgets::TFont::make(QStringLiteral("DejaVu Sans"), -12));
        grid->setDataSource(&source);
        other = new QWidget(&window);
        other->setGeometry(320, 10, 20, 20);
        other->setFocusPolicy(Qt::StrongFocus);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        other->setFocus();
    }

    grid::TGridColumn& addColumn(const QString& field, int width) {
        grid::TGridColumn& column = grid->Columns().Add();
        column.setFieldName(field);
        column.setWidth(width);
        return column;
    }

    // A point of the client area (the cells) in grid coordinates.
    QPoint inGrid(QPoint client) const { return client + grid->clientRect().topLeft(); }
    QPoint inGrid(QRect clientCell) const { return inGrid(clientCell.center()); }
    // The client area as shown.
    QImage client() const { return grid->grab().toImage().copy(grid->clientRect()); }

    void click(QPoint client, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(grid, button, {}, inGrid(client));
    }

    TestRows rows;
    data::DataSource source{&rows};
    QWidget window; // destroyed first, with the grid, while the source lives
    grid::TDataGrid* grid = nullptr;
    QWidget* other = nullptr; // somewhere else for the focus to be
};

} // namespace tessarin::testing
