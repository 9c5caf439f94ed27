#include <set>

#include "tests/view/ViewFixture.h"

namespace {

// What each cell shows up and left of its centre, off every capture line's path: a colour
// letter, 'm' a marker, 'M' the pointer's marker, '.' the picture.
Rows CellMap(const QImage& shot, int n)
{
    const int cell = 400 / n;
    Rows rows(n, std::string(n, '?'));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const QRgb p = shot.pixel(x * cell + cell / 4, y * cell + cell / 3);
            const std::map<QRgb, char> letters = { { qRgb(255, 255, 255), 'W' },
                { qRgb(4, 0, 0), 'B' }, { qRgb(255, 0, 0), 'R' }, { qRgb(0, 255, 0), 'G' },
                { qRgb(0, 192, 192), 'm' }, { qRgb(0, 240, 240), 'M' } };
            rows[y][x] = letters.count(p) ? letters.at(p) : '.';
        }
    return rows;
}

int CountPixels(const QImage& shot, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += shot.pixel(x, y) == colour;
    return count;
}

// Four players on 8 x 8 with White to move, and White's legal cells marked.
const Rows& Start4() { return kStart8[2]; }
const Rows kStart4Markers = { "........", "........", "..WBmBm.", "...RGR..", "..WBW...",
    "..G.GR..", "..m.m.m.", "........" };

} // namespace

using BoardPaint = ViewFixture;

TEST_F(BoardPaint, DiscFillsItsBoxTouchingEachSideAtTheMiddleOnly)
{
    struct Case {
        int n, cellX, cellY, value, first, last; // disc box columns = rows first..last
    };
    const Case cases[] = {
        { 8, 0, 0, kWhite, 2, 47 },
        { 8, 7, 7, kBlack, 352, 397 },
        { 40, 0, 0, kRed, 2, 7 },
        { 40, 39, 39, kGreen, 392, 397 },
    };
    const QRgb colours[]
        = { 0, qRgb(255, 255, 255), qRgb(4, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0) };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "N " << c.n << " cell " << c.cellX);
        SetPosition(c.n, {}, kWhite, 0);
        m_board.m_nGrid[c.cellX][c.cellY] = c.value;
        const QImage shot = Shot();
        const QImage picture = Background();
        const QRgb disc = colours[c.value];
        std::set<int> xs, ys;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (shot.pixel(x, y) == disc)
                    xs.insert(x), ys.insert(y);
        EXPECT_EQ(*xs.begin(), c.first);
        EXPECT_EQ(*xs.rbegin(), c.last);
        EXPECT_EQ(*ys.begin(), c.first);
        EXPECT_EQ(*ys.rbegin(), c.last);
        // An even box has two middle pixels on each side; both touch.
        const int mid = (c.first + c.last) / 2;
        for (int m : { mid, mid + 1 }) {
            EXPECT_EQ(shot.pixel(c.first, m), disc);
            EXPECT_EQ(shot.pixel(c.last, m), disc);
            EXPECT_EQ(shot.pixel(m, c.first), disc);
            EXPECT_EQ(shot.pixel(m, c.last), disc);
        }
        for (int cx : { c.first, c.last })
            for (int cy : { c.first, c.last })
                EXPECT_EQ(shot.pixel(cx, cy), picture.pixel(cx, cy));
    }
}

TEST_F(BoardPaint, GridLinesAtEveryCellEdgeButTheFarOnes)
{
    for (int n : { 8, 10, 20, 40 }) {
        SCOPED_TRACE(n);
        SetPosition(n, {}, kWhite, 0);
        const QImage shot = Shot();
        for (int i = 0; i < 400; ++i) {
            bool column = true, row = true;
            for (int j = 0; j < 400; ++j) {
                column = column && shot.pixel(i, j) == qRgb(0, 0, 0);
                row = row && shot.pixel(j, i) == qRgb(0, 0, 0);
            }
            EXPECT_EQ(column, i % (400 / n) == 0) << "column " << i;
            EXPECT_EQ(row, i % (400 / n) == 0) << "row " << i;
        }
    }
}

TEST_F(BoardPaint, PictureTiledUnscaledWhereNothingIsDrawn)
{
    SetPosition(8, {}, kWhite, 0);
    const QImage shot = Shot();
    const QImage picture = Background();
    ASSERT_EQ(picture.size(), QSize(400, 400));
    EXPECT_FALSE(picture.hasAlphaChannel());
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
            if (x % 50 == 0 || y % 50 == 0)
                continue;
            ASSERT_EQ(shot.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
            // Pale enough for the discs, White's included, and the grid to stand out.
            ASSERT_GE(qGray(picture.pixel(x, y)), 150);
            ASSERT_LE(qGray(picture.pixel(x, y)), 245);
        }
}

TEST_F(BoardPaint, MarkersOnlyWhileAClickIsAwaited)
{
    const Rows& noMarkers = Start4();
    const struct {
        int bAwaitingClick;
        const Rows& expected;
    } cases[] = { { 1, kStart4Markers }, { 0, noMarkers }, { 2, noMarkers } };
    for (const auto& c : cases) {
        SetPosition(8, Start4(), kWhite, c.bAwaitingClick);
        EXPECT_EQ(CellMap(Shot(), 8), c.expected) << c.bAwaitingClick;
    }
    // Before the first game there is no snapshot to ask.
    m_board.m_pRules.reset();
    EXPECT_EQ(CellMap(Shot(), 8), noMarkers);
}

TEST_F(BoardPaint, PointerCellWithoutAMoveShowsNoHighlight)
{
    // Off the board, on a disc, on an empty cell White cannot take.
    const QPoint cells[] = { { -1, -1 }, { 8, 2 }, { 2, 8 }, { 3, 3 }, { 0, 0 } };
    for (QPoint cell : cells) {
        SetPosition(8, Start4(), kWhite);
        m_board.m_nCellX = cell.x();
        m_board.m_nCellY = cell.y();
        const QImage shot = Shot();
        EXPECT_EQ(CellMap(shot, 8), kStart4Markers) << cell.x() << "," << cell.y();
        EXPECT_EQ(CountPixels(shot, kPurple), 0);
    }
}

// The snapshot still calls the clicked cell legal while its discs turn and after the result,
// but the lines belong to a move still to be made.
TEST_F(BoardPaint, CaptureLinesOnlyWhileAClickIsAwaited)
{
    SetPosition(8, Start4(), kWhite);
    m_board.OnLButtonDown(0, QPoint(225, 125));
    ASSERT_FALSE(m_board.m_flips.IsEmpty());
    EXPECT_EQ(CountPixels(Shot(), kPurple), 0) << "discs turning";
    SetPosition(8, Start4(), kWhite, 0);
    m_board.m_nCellX = 4;
    m_board.m_nCellY = 2;
    EXPECT_EQ(CountPixels(Shot(), kPurple), 0) << "game over";
}

TEST_F(BoardPaint, CaptureLinesFromThePointerCellOverTheDiscs)
{
    // (4, 2) takes to the left, downwards and down to the left.
    SetPosition(8, Start4(), kWhite);
    m_board.m_nCellX = 4;
    m_board.m_nCellY = 2;
    const QImage shot = Shot();
    Rows expected = kStart4Markers;
    expected[2][4] = 'M';
    EXPECT_EQ(CellMap(shot, 8), expected);

    auto across = [&](int x0, int y0, int dx, int dy) {
        std::string s;
        for (int k = 0; k < 7; ++k)
            s += shot.pixel(x0 + k * dx, y0 + k * dy) == kPurple ? '#' : '.';
        return s;
    };
    // Five pixels wide over the Black disc (3, 2) and the Green one (4, 3), and nothing
    // towards the cells that capture nothing.
    EXPECT_EQ(across(175, 122, 0, 1), ".#####.");
    EXPECT_EQ(shot.pixel(175, 121), qRgb(4, 0, 0));
    EXPECT_EQ(across(222, 175, 1, 0), ".#####.");
    EXPECT_EQ(shot.pixel(221, 175), qRgb(0, 255, 0));
    EXPECT_EQ(shot.pixel(175, 175), kPurple); // over Red (3, 3), to (2, 4)
    EXPECT_EQ(shot.pixel(160, 160), qRgb(255, 0, 0));
    EXPECT_EQ(across(275, 125, 1, 1), ".......");
    // Each runs from the centre to the closing disc's centre, with a round end.
    EXPECT_EQ(across(121, 125, 1, 0), "..#####");
    EXPECT_EQ(across(225, 223, 0, 1), "#####..");
    EXPECT_EQ(shot.pixel(125, 225), kPurple);
    EXPECT_EQ(shot.pixel(121, 229), qRgb(255, 255, 255));
}

TEST_F(BoardPaint, CellValueOutsideTheColoursShowsThePicture)
{
    for (char value : { '7', '5', '-' }) {
        SetPosition(8, { "........", std::string(".") + value }, kWhite);
        const QImage shot = Shot();
        const QImage picture = Background();
        for (int y = 51; y < 100; ++y)
            for (int x = 51; x < 100; ++x)
                ASSERT_EQ(shot.pixel(x, y), picture.pixel(x, y)) << value;
    }
}
