#include "GridFixture.h"
#include "support/RecordingPaintDevice.h"

#include <QFontMetrics>
#include <QScrollBar>

namespace tessarin::testing {
namespace {

using widgets::TColor;

constexpr QRgb silver = qRgb(192, 192, 192);
constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb highlight = qRgb(10, 36, 106);       // clHighlight, classic
constexpr TColor pale = TColor::rgb(230, 240, 230); // the grid's Color in these tests

class GridPaint : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        grid->setColor(pale);
        grid->setOddRowColor(widgets::clWhite);
        addColumn("id", 60);
        addColumn("name", 50).setColor(TColor::rgb(255, 255, 0));
    }
    const grid::GridLayout& layout() const { return grid->Layout(); }
    QRgb cellPixel(int row, int column) const {
        // Near the cell's bottom right, clear of its text.
        const QRect cell = layout().dataCell(row, column);
        return client().pixel(cell.right() - 2, cell.bottom() - 1);
    }
};

// The empty look: closed, absent and open-but-empty data sets alike.
enum class Emptiness { Closed, Absent, NoRecords };

class GridEmptyLook : public GridPaint, public ::testing::WithParamInterface<Emptiness> {};

TEST_P(GridEmptyLook, ShowsTitlesOverOneBlankRow) {
    if (GetParam() == Emptiness::Absent)
        grid->setDataSource(nullptr);
    if (GetParam() == Emptiness::NoRecords)
        rows.open({"id", "name"}, {});
    const QImage shown = client();
    const grid::GridLayout& l = layout();
    ASSERT_EQ(l.rowCount(), 1);

    EXPECT_EQ(shown.pixel(55, 5), TColor(widgets::clBtnFace).toQColor().rgb()) << "title in FixedColor";
    EXPECT_EQ(shown.pixel(30, l.titleHeight()), black) << "title row line";
    EXPECT_EQ(shown.pixel(60, 5), black) << "title column line";
    EXPECT_EQ(cellPixel(0, 0), pale.toQColor().rgb()) << "the column's colour, no parity";
    EXPECT_EQ(cellPixel(0, 1), qRgb(255, 255, 0));
    EXPECT_EQ(shown.pixel(30, l.dataCell(0, 0).bottom() + 1), silver) << "row line";
    EXPECT_EQ(shown.pixel(60, l.dataTop() + 3), silver) << "column line";
    EXPECT_EQ(shown.pixel(30, l.rowsBottom() + 5), pale.toQColor().rgb()) << "below the row";
    EXPECT_EQ(shown.pixel(l.columnsRight() + 5, 5), pale.toQColor().rgb()) << "right of the columns";
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(DataSets, GridEmptyLook,
                         ::testing::Values(Emptiness::Closed, Emptiness::Absent, Emptiness::NoRecords));

TEST_F(GridPaint, ColoursRowsByRecordParityWhereTheColumnKeepsTheGridColour) {
    rows.openNumbered(3);
    const QRgb odd = qRgb(255, 255, 255);
    const QRgb even = pale.toQColor().rgb();
    EXPECT_EQ(cellPixel(0, 0), odd);
    EXPECT_EQ(cellPixel(1, 0), even);
    EXPECT_EQ(cellPixel(2, 0), odd);
    EXPECT_EQ(cellPixel(1, 1), qRgb(255, 255, 0)) << "a column colour of its own stays";
}

TEST_F(GridPaint, ParityFollowsTheRecordNumberNotTheRow) {
    rows.openNumbered(40);
    rows.last();
    const int top = grid->recordWindow().topRecord();
    ASSERT_GT(top, 1);
    EXPECT_EQ(cellPixel(0, 0), top % 2 == 1 ? qRgb(255, 255, 255) : pale.toQColor().rgb());
}

TEST_F(GridPaint, LinesTakeTheAreaBackgroundWhenTheirOptionIsOff) {
    rows.openNumbered(3);
    grid->setOptions(grid->Options() & ~grid::TGridOptions(grid::dgColLines));
    const QImage shown = client();
    EXPECT_EQ(shown.pixel(60, 5), TColor(widgets::clBtnFace).toQColor().rgb());
    EXPECT_EQ(shown.pixel(60, layout().dataTop() + 3), pale.toQColor().rgb());
    EXPECT_EQ(shown.pixel(30, layout().dataCell(0, 0).bottom() + 1), silver) << "row lines stay";
}

TEST_F(GridPaint, DataLinesAreGreyOnASilverGrid) {
    rows.openNumbered(3);
    grid->setColor(widgets::clSilver);
    EXPECT_EQ(client().pixel(60, layout().dataTop() + 3), qRgb(128, 128, 128));
}

TEST_F(GridPaint, TitleCellsHaveARaisedEdge) {
    const QRect cell = layout().titleCell(0);
    const QImage shown = client();
    EXPECT_EQ(shown.pixel(cell.left() + 5, cell.top()), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(cell.left(), cell.top() + 5), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(cell.left() + 5, cell.bottom()), qRgb(128, 128, 128));
    EXPECT_EQ(shown.pixel(cell.right(), cell.top() + 5), qRgb(128, 128, 128));
}

// Focus: the highlight and the dotted rectangle only while the grid has it.

bool dottedAlong(const QImage& shown, int y, int from, int to, QRgb colour) {
    // Every other pixel inverted, the rest as they were.
    const QRgb inverted = qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour));
    int plain = 0;
    int flipped = 0;
    for (int x = from; x < to; ++x) {
        plain += shown.pixel(x, y) == colour;
        flipped += shown.pixel(x, y) == inverted;
    }
    return plain > 0 && flipped > 0 && plain + flipped == to - from;
}

TEST_F(GridPaint, HighlightsAndFramesTheCurrentRowOnlyWhileFocused) {
    rows.openNumbered(5);
    rows.moveBy(1);
    const QRect row1 = layout().dataRow(1);
    EXPECT_EQ(cellPixel(1, 0), pale.toQColor().rgb()) << "no highlight without the focus";
    EXPECT_FALSE(dottedAlong(client(), row1.top(), 40, 55, pale.toQColor().rgb()));

    click(layout().dataCell(2, 0).center());
    ASSERT_TRUE(grid->hasFocus());
    EXPECT_EQ(rows.recNo(), 3);
    EXPECT_EQ(cellPixel(2, 0), highlight);
    EXPECT_EQ(cellPixel(2, 1), highlight) << "the whole row";
    EXPECT_EQ(cellPixel(1, 0), pale.toQColor().rgb());
    const QRect row2 = layout().dataRow(2);
    EXPECT_TRUE(dottedAlong(client(), row2.top(), 40, 55, highlight));
    EXPECT_TRUE(dottedAlong(client(), row2.bottom(), 40, 55, highlight));

    other->setFocus();
    EXPECT_EQ(cellPixel(2, 0), qRgb(255, 255, 255));
    EXPECT_FALSE(dottedAlong(client(), row2.top(), 40, 55, qRgb(255, 255, 255)));
}

// Texts, recorded as the grid writes them.

class GridTexts : public GridFixture {
protected:
    std::vector<RecordedText> render() { return textsOf(*grid); }
    QPoint clientOrigin() const { return grid->clientRect().topLeft(); }
};

TEST_F(GridTexts, PlacesTitleAndCellTextByAlignmentAndClipsToTheCell) {
    using grid::TAlignment;
    rows.open({"l", "c", "r"}, {{"left", "centre", "right"}});
    for (const char* field : {"l", "c", "r"})
        addColumn(field, 80);
    grid->Columns()[1].setAlignment(TAlignment::taCenter);
    grid->Columns()[1].Title().setAlignment(TAlignment::taCenter);
    grid->Columns()[2].setAlignment(TAlignment::taRightJustify);
    grid->Columns()[2].Title().setAlignment(TAlignment::taRightJustify);
    const std::vector<RecordedText> texts = render();

    const QFontMetrics metrics(grid->Font().font);
    const QPoint origin = clientOrigin();
    const grid::GridLayout& l = grid->Layout();
    struct Expected {
        QString text;
        QRect box;  // the title's text area or the data cell
        int margin; // 1 in titles, 2 in data cells
        TAlignment alignment;
    };
    const Expected expected[] = {
        {"l", l.titleCell(0).adjusted(1, 1, -1, -1), 1, TAlignment::taLeftJustify},
        {"c", l.titleCell(1).adjusted(1, 1, -1, -1), 1, TAlignment::taCenter},
        {"r", l.titleCell(2).adjusted(1, 1, -1, -1), 1, TAlignment::taRightJustify},
        {"left", l.dataCell(0, 0), 2, TAlignment::taLeftJustify},
        {"centre", l.dataCell(0, 1), 2, TAlignment::taCenter},
        {"right", l.dataCell(0, 2), 2, TAlignment::taRightJustify},
    };
    for (const Expected& e : expected) {
        const RecordedText text = onlyText(texts, e.text);
        const int w = metrics.horizontalAdvance(e.text);
        const int left = e.box.left();
        const int right = e.box.left() + e.box.width();
        const int x = e.alignment == TAlignment::taLeftJustify ? left + e.margin
                      : e.alignment == TAlignment::taCenter    ? left + (right - left) / 2 - w / 2
                                                               : right - w - 3;
        EXPECT_EQ(text.baseline, origin + QPoint(x, e.box.top() + e.margin + metrics.ascent()))
            << e.text.toStdString();
        EXPECT_EQ(text.clip, e.box.translated(origin)) << e.text.toStdString();
    }
}

TEST_F(GridTexts, CentresABoldItalicTitleOnItsOverhangInclusiveWidth) {
    rows.open({"id"}, {{"K1"}});
    grid::TGridColumn& column = addColumn("id", 120);
    column.Title().setAlignment(grid::TAlignment::taCenter);
    widgets::TFont font = column.Title().Font();
    font.font.setBold(true);
    font.font.setItalic(true);
    font.font.setPixelSize(20);
    font.color = widgets::clRed;
    column.Title().setFont(font);
    column.Title().setCaption("Wf");

    const RecordedText title = onlyText(render(), "Wf");
    const QFontMetrics metrics(font.font);
    const int overhangWidth = std::max(metrics.horizontalAdvance("Wf"), metrics.boundingRect("Wf").right() + 1);
    ASSERT_NE(overhangWidth / 2, metrics.horizontalAdvance("Wf") / 2) << "the fixture needs an overhang";
    const QRect area = grid->Layout().titleCell(0).adjusted(1, 1, -1, -1);
    EXPECT_EQ(title.baseline.x(), clientOrigin().x() + area.left() + area.width() / 2 - overhangWidth / 2);
    EXPECT_EQ(title.colour, QColor(Qt::red));
    EXPECT_TRUE(title.font.bold());
}

TEST_F(GridTexts, AColumnWhoseFieldIsMissingShowsItsTitleOverBlankCells) {
    rows.open({"id"}, {{"K1"}, {"K2"}});
    addColumn("id", 60);
    grid::TGridColumn& missing = addColumn("nosuch", 60);
    EXPECT_FALSE(missing.Field().has_value());
    const std::vector<RecordedText> texts = render();
    onlyText(texts, "nosuch");
    onlyText(texts, "K1");
    onlyText(texts, "K2");
    EXPECT_EQ(texts.size(), 4u) << "two titles and the bound column's two cells";
}

} // namespace
} // namespace tessarin::testing
