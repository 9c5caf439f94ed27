// On a high-density screen the board must be composed at the screen's resolution: the same
// board, each board pixel k x k screen pixels, with finer disc edges, not a 400-pixel image
// blown up. The program runs with QT_SCALE_FACTOR=2 (see CMakeLists.txt).
#include <map>

#include "tests/view/ViewFixture.h"
#include "view/BoardPainter.h"

namespace {

const std::map<QRgb, char> kLetters = { { qRgb(255, 255, 255), 'W' }, { qRgb(4, 0, 0), 'B' },
    { qRgb(255, 0, 0), 'R' }, { qRgb(0, 255, 0), 'G' }, { qRgb(0, 192, 192), 'm' },
    { qRgb(0, 240, 240), 'M' }, { qRgb(0, 0, 0), '+' }, { kPurple, '#' } };

// The board as the painter composes it at k buffer pixels per board pixel.
QImage Compose(const CBoardState& board, int k)
{
    QImage image(400 * k, 400 * k, QImage::Format_RGB32);
    image.setDevicePixelRatio(k);
    image.fill(Qt::black);
    CBoardPainter().Paint(board, image);
    return image;
}

// The pixels of each colour the board draws itself; the picture is left out.
std::map<QRgb, long> Census(const QImage& image)
{
    std::map<QRgb, long> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (kLetters.count(image.pixel(x, y)))
                ++counts[image.pixel(x, y)];
    return counts;
}

// What each board pixel of a row shows, sampled at the first of its k x k pixels.
std::string BoardRow(const QImage& image, int k, int y, int x0, int x1)
{
    std::string s;
    for (int x = x0; x < x1; ++x) {
        auto it = kLetters.find(image.pixel(x * k, y * k));
        s += it == kLetters.end() ? '.' : it->second;
    }
    return s;
}

// Blocks of k x k pixels, one board pixel each, that hold the colour only in part: where
// the edge runs between a board pixel's screen pixels. An enlarged image has none.
int SplitBlocks(const QImage& image, int k, QRgb colour)
{
    int split = 0;
    for (int by = 0; by < image.height() / k; ++by)
        for (int bx = 0; bx < image.width() / k; ++bx) {
            int inside = 0;
            for (int y = 0; y < k; ++y)
                for (int x = 0; x < k; ++x)
                    inside += image.pixel(bx * k + x, by * k + y) == colour;
            split += inside > 0 && inside < k * k;
        }
    return split;
}

// Four players with White to move and the pointer on (4, 2), whose move captures three
// lines over the discs.
const Rows& kMidGame = kStart8[2];
const Rows kCrowded = { "WBRGWBRGWB", "B.......RG", "R..WBW...B", "G..BRG..RW", "W..RGW...B",
    "B.........", "RGWBRGWBRG", "..........", "WWWW..BBBB", "RRRR..GGGG" };

} // namespace

class HiDpi : public ViewFixture {
protected:
    void SetUp() override
    {
        ASSERT_EQ(m_board.devicePixelRatioF(), 2.0) << "the test wants QT_SCALE_FACTOR=2";
        SetPosition(8, kMidGame, kWhite);
        m_board.m_nCellX = 4;
        m_board.m_nCellY = 2;
    }
};

TEST_F(HiDpi, WidgetComposesAtTheScreensResolution)
{
    const QImage shot = m_board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(800, 800));
    EXPECT_TRUE(shot == Compose(m_board, 2).convertToFormat(QImage::Format_RGB32))
        << "the widget does not show the board composed at ratio 2";
    for (QRgb disc : { qRgb(255, 255, 255), qRgb(4, 0, 0), qRgb(0, 192, 192) })
        EXPECT_GT(SplitBlocks(shot, 2, disc), 0) << "the disc edges come in whole board pixels";
}

TEST_F(HiDpi, SameBoardInTheSameColoursWithFinerEdges)
{
    const struct {
        int n;
        const Rows& rows;
    } positions[] = { { 8, kMidGame }, { 10, kCrowded }, { 40, kCrowded } };
    for (const auto& p : positions) {
        SetPosition(p.n, p.rows, kWhite);
        m_board.m_nCellX = 4;
        m_board.m_nCellY = 2;
        const QImage one = Compose(m_board, 1);
        const std::map<QRgb, long> census = Census(one);
        for (int k : { 2, 3 }) {
            SCOPED_TRACE(testing::Message() << "N " << p.n << ", ratio " << k);
            const QImage fine = Compose(m_board, k);
            // Every board pixel shows what it shows at ratio 1, except along the edges
            // that the finer pixels now draw more exactly.
            int differing = 0;
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < 400; ++x)
                    differing += BoardRow(one, 1, y, x, x + 1) != BoardRow(fine, k, y, x, x + 1);
            EXPECT_LT(differing, 400 * 400 / 50);
            // The grid is one board pixel wide, whatever the ratio.
            EXPECT_EQ(BoardRow(fine, k, 1, 0, 51), BoardRow(one, 1, 1, 0, 51));

            // No colour is lost or added, and each covers the same share of the board.
            const std::map<QRgb, long> fineCensus = Census(fine);
            ASSERT_EQ(fineCensus.size(), census.size());
            for (const auto& [colour, count] : census) {
                const char letter = kLetters.at(colour);
                const double share = double(fineCensus.at(colour)) / (k * k) / count;
                // Loose, for the 6-pixel discs of a 40-cell board, which at ratio 1 hold an
                // eighth more than their circle; a width left unscaled gives 1 / k.
                EXPECT_NEAR(share, 1.0, 0.15) << letter;
                // Discs and lines have edges inside board pixels; the grid runs along them.
                if (letter != '+') {
                    EXPECT_GT(SplitBlocks(fine, k, colour), 0) << letter;
                }
            }
        }
    }
}
