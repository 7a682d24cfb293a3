#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <set>

#include "app/disc_sheet.h"
#include "app/qt_surface.h"
#include "board/board.h"
#include "board/disc_sheet.h"
#include "board/dsc_board.h"
#include "window_table.h"

// Failures print colours as (r, g, b).
void PrintTo(const QColor& c, std::ostream* out) {
    *out << "(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

namespace discada {
namespace {

const QColor kBackground(238, 130, 238);
const QColor kRed(255, 0, 0);

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

bool isGrey(const QColor& c) {
    return c.red() == c.green() && c.green() == c.blue();
}

// The two sheets as they are compiled into the program: resource, pixels per window pixel.
struct Sheet {
    const char* resource;
    int scale;
};
constexpr Sheet kSheets[] = {{":/PIECE_IMG", 1}, {":/PIECE_IMG@2x", 2}};

TEST(DiscSheet, BothSheetsAreUncompressedBottomUp24BitBitmapsOf40PixelTiles) {
    for (const Sheet sheet : kSheets) {
        QFile file(QString::fromLatin1(sheet.resource));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sheet.resource;
        const QByteArray bytes = file.readAll();
        const int width = 80 * sheet.scale;
        const int height = 40 * sheet.scale;
        ASSERT_EQ(bytes.size(), 54 + width * 3 * height) << sheet.resource;
        const auto field = [&](int offset) {
            return qFromLittleEndian<qint32>(bytes.constData() + offset);
        };
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(field(18), width);
        EXPECT_EQ(field(22), height);  // positive: rows stored bottom-up
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
        EXPECT_EQ(field(30), 0);  // no compression
        EXPECT_EQ(field(46), 0);  // no colour table
    }
}

TEST(DiscSheet, BothSheetsHoldAWhiteAndABlackDiscFillingTheirTilesOnPureRed) {
    for (const Sheet sheet : kSheets) {
        const QImage image(QString::fromLatin1(sheet.resource));
        const int size = 40 * sheet.scale;
        ASSERT_EQ(image.size(), QSize(2 * size, size)) << sheet.resource;
        struct Tile {
            int x;
            int faceLow;
            int faceHigh;
        };
        for (const Tile tile : {Tile{0, 245, 255}, Tile{size, 58, 68}}) {
            const int last = size - 1;
            for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
                EXPECT_EQ(at(image, tile.x + x, y), kRed) << tile.x + x << "," << y;
            }
            const int face = at(image, tile.x + size / 2, size * 3 / 8).red();
            EXPECT_GE(face, tile.faceLow);
            EXPECT_LE(face, tile.faceHigh);
            // The disc reaches every edge of its tile, and nothing but red lies outside it.
            bool top = false, bottom = false, left = false, right = false;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const QColor c = at(image, tile.x + x, y);
                    if (c == kRed) continue;
                    EXPECT_TRUE(isGrey(c)) << sheet.resource << " " << tile.x + x << "," << y;
                    top = top || y == 0;
                    bottom = bottom || y == last;
                    left = left || x == 0;
                    right = right || x == last;
                }
            }
            EXPECT_TRUE(top && bottom && left && right) << sheet.resource << " tile " << tile.x;
        }
    }
}

// Drawn at one and two device pixels per window pixel, the discs are the compiled sheets' own,
// apart from their edges: the two descriptions of the discs have not drifted apart.
TEST(DiscSheet, DrawnSheetsAgreeWithTheCompiledOnesAwayFromTheEdges) {
    for (const Sheet sheet : kSheets) {
        const QImage compiled(QString::fromLatin1(sheet.resource));
        const SheetPixels drawn = drawDiscSheet(PixelScale(sheet.scale, 1));
        ASSERT_EQ(QSize(drawn.width, drawn.height), compiled.size()) << sheet.resource;
        for (int y = 1; y + 1 < drawn.height; ++y) {
            for (int x = 1; x + 1 < drawn.width; ++x) {
                const QColor want = at(compiled, x, y);
                bool even = true;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QColor near = at(compiled, x + dx, y + dy);
                        even = even && (near == kRed) == (want == kRed) &&
                               std::abs(near.red() - want.red()) <= 2;
                    }
                }
                if (!even) continue;
                const Colour got = drawn.pixels[static_cast<std::size_t>(y) * drawn.width + x];
                const QColor shown(redOf(got), greenOf(got), blueOf(got));
                if (want == kRed) {
                    ASSERT_EQ(shown, kRed) << sheet.resource << " " << x << "," << y;
                } else {
                    ASSERT_TRUE(isGrey(shown)) << sheet.resource << " " << x << "," << y;
                    ASSERT_NEAR(shown.red(), want.red(), 2)
                        << sheet.resource << " " << x << "," << y;
                }
            }
        }
    }
}

TEST(BoardPicture, StartingPositionShowsBackgroundFrameLinesAndFourDiscs) {
    WindowTable table;
    const QImage image = table.view().grab().toImage();

    for (const auto& [x, y] : {std::pair{5, 5}, {362, 362}, {10, 200}, {17, 17}, {350, 350}}) {
        EXPECT_EQ(at(image, x, y), kBackground) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{4, 100}, {100, 4}, {363, 100}, {100, 363}}) {
        EXPECT_EQ(at(image, x, y), QColor(Qt::white)) << x << "," << y;
    }
    // The frame band, and x = 351 just right of the last cell of a row.
    for (const auto& [x, y] : {std::pair{15, 15}, {16, 100}, {351, 100}, {352, 300}, {100, 352}}) {
        EXPECT_EQ(at(image, x, y), QColor(Qt::black)) << x << "," << y;
    }
    // Lines between cells, also between two discs of the starting position.
    for (const auto& [x, y] : {std::pair{57, 30}, {58, 30}, {183, 160}, {30, 57}, {160, 184}}) {
        EXPECT_EQ(at(image, x, y), QColor(Qt::black)) << x << "," << y;
    }
    EXPECT_EQ(at(image, 56, 30), kBackground);
    EXPECT_EQ(at(image, 59, 30), kBackground);

    struct Disc {
        int column;
        int row;
        bool white;
    };
    for (const Disc d :
         {Disc{4, 4, true}, Disc{5, 5, true}, Disc{5, 4, false}, Disc{4, 5, false}}) {
        const int x = 42 * d.column - 25;
        const int y = 42 * d.row - 25;
        const int face = at(image, x + 20, y + 15).red();
        EXPECT_EQ(face >= 245, d.white) << d.column << "," << d.row;
        EXPECT_EQ(face <= 68, !d.white) << d.column << "," << d.row;
        for (const auto& [cx, cy] : {std::pair{x, y}, {x + 39, y}, {x, y + 39}, {x + 39, y + 39}}) {
            EXPECT_EQ(at(image, cx, cy), kBackground) << cx << "," << cy;
        }
    }
    EXPECT_EQ(at(image, 42 * 3 - 5, 42 * 3 - 5), kBackground);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_NE(at(image, x, y), kRed) << "red left at " << x << "," << y;
        }
    }
}

TEST(BoardPicture, AtOneDevicePixelPerWindowPixelTheStartingBoardIsAsSaved) {
    WindowTable table;
    ASSERT_EQ(table.view().devicePixelRatioF(), 1.0);
    const QImage board = table.view().grab().toImage().copy(0, 0, 363, 363);
    const QImage saved(QStringLiteral(DISCADA_TEST_DATA_DIR "/start_board_1x.png"));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(board.convertToFormat(QImage::Format_RGB32),
              saved.convertToFormat(QImage::Format_RGB32));
}

TEST(BoardPicture, GridWithoutFrameOrLinesPaintsOnlyItsBackground) {
    Board grid(3, 2, 10, 10, 2, 2);
    grid.setOrigin(4, 6);
    grid.setMargins(1, 1, 1, 1);
    grid.setFrame(false, 2);
    grid.setGridLines(false, 2);
    grid.setBackgroundColor(rgb(10, 20, 30));
    grid.layoutCells();
    QtSurface target(60, 40);
    grid.draw(target, target);

    const QRect painted(6, 4, grid.totalWidth(), grid.totalHeight());
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const QColor expected = painted.contains(x, y) ? QColor(10, 20, 30) : QColor(Qt::white);
            ASSERT_EQ(at(target.image(), x, y), expected) << x << "," << y;
        }
    }
}

// Where the sheet is red the board's background must show; elsewhere the sheet's own pixel.
// Both images are in device pixels; the tile is `size` pixels square.
void expectTileShowsSheet(const QImage& image, QPoint at, const QImage& sheet, int tileX,
                          int size) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QColor want = sheet.pixelColor(tileX + x, y) == kRed
                                    ? kBackground
                                    : sheet.pixelColor(tileX + x, y);
            ASSERT_EQ(image.pixelColor(at.x() + x, at.y() + y), want)
                << "device pixel " << at.x() + x << "," << at.y() + y;
        }
    }
}

// A picture scaled up from one device pixel per window pixel is made of uniform 2 × 2 blocks.
bool hasFinerDetailThanWindowPixels(const QImage& image, const QRect& deviceArea) {
    for (int y = deviceArea.top(); y < deviceArea.bottom(); y += 2) {
        for (int x = deviceArea.left(); x < deviceArea.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner) {
                return true;
            }
        }
    }
    return false;
}

TEST(HighDensityPicture, LinesDiscsAndTextAreDrawnAtTwoDevicePixelsPerWindowPixel) {
    DscBoard board;
    board.reset();
    QtSurface target(530, 413, 2.0);
    const QtSurface sheet = discSheet(2.0);
    board.draw(target, sheet);
    target.drawText({383, 20, 533, 200}, "あなたの番(黒)     \n\n黒： 2 \n白： 2 ");
    const QImage& image = target.image();
    ASSERT_EQ(image.size(), QSize(1060, 826));

    // The frame band [15, 17) and the first line [57, 59) are four device pixels wide, edge sharp.
    for (const int x : {30, 33, 114, 117})
        EXPECT_EQ(at(image, x, 60), QColor(Qt::black)) << x;
    for (const int x : {29, 34, 113, 118})
        EXPECT_EQ(at(image, x, 60), kBackground) << x;
    EXPECT_EQ(at(image, 9, 60), QColor(Qt::white));
    EXPECT_EQ(at(image, 10, 60), kBackground);

    // Cell (4, 4) holds white, cell (5, 4) black, at [42c - 25, 42c + 15) window pixels.
    expectTileShowsSheet(image, {2 * 143, 2 * 143}, sheet.image(), 0, 80);
    expectTileShowsSheet(image, {2 * 185, 2 * 143}, sheet.image(), 80, 80);
    EXPECT_TRUE(hasFinerDetailThanWindowPixels(image, {286, 286, 80, 80}));
    EXPECT_TRUE(hasFinerDetailThanWindowPixels(image, {766, 40, 280, 160}));
}

TEST(HighDensityPicture, WindowDrawsAtItsScreensDensity) {
    WindowTable table;
    const qreal ratio = table.view().devicePixelRatioF();
    // Run once more with QT_SCALE_FACTOR=2 (a CTest entry does): then the screen is that dense.
    if (const QByteArray factor = qgetenv("QT_SCALE_FACTOR"); !factor.isEmpty()) {
        EXPECT_EQ(ratio, factor.toDouble());
    }
    const QImage image = table.view().grab().toImage();
    EXPECT_EQ(image.size(), QSize(qRound(524 * ratio), qRound(368 * ratio)));
    const int scale = qRound(ratio);
    const QtSurface sheet = discSheet(ratio);
    expectTileShowsSheet(image, {143 * scale, 185 * scale}, sheet.image(), 40 * scale, 40 * scale);
}

// The widths of the dark runs along device row `y` up to `end`, and of the gaps between them.
struct DarkRuns {
    std::vector<int> widths;
    std::vector<int> gaps;
};
DarkRuns darkRunsAlong(const QImage& image, int y, int end) {
    DarkRuns runs;
    int runEnd = -1;
    for (int x = 0; x < end; ++x) {
        const QColor c = at(image, x, y);
        const bool dark = c.red() < 100 && c.green() < 100 && c.blue() < 100;
        const bool starts = dark && (x == 0 || runEnd != x);
        if (starts && !runs.widths.empty()) runs.gaps.push_back(x - runEnd);
        if (starts) runs.widths.push_back(0);
        if (dark) {
            ++runs.widths.back();
            runEnd = x + 1;
        }
    }
    return runs;
}

// CTest runs this once more at QT_SCALE_FACTOR 1.25 and once at 1.75, where each line used to
// round alone and the discs were a sheet stretched pixel by pixel.
TEST(FractionalScalePicture, LinesKeepOneWidthCellsStayEvenAndDiscEdgesAreSmooth) {
    WindowTable table;
    const qreal ratio = table.view().devicePixelRatioF();
    if (const QByteArray factor = qgetenv("QT_SCALE_FACTOR"); !factor.isEmpty()) {
        EXPECT_EQ(ratio, factor.toDouble());
    }
    const QImage image = table.view().grab().toImage();

    // Along the rows of cells without a disc, two window pixels below their top: the frame at
    // both ends, seven lines of one width between, cells within a pixel of each other.
    for (const int row : {1, 2, 3, 6, 7, 8}) {
        const int y = qRound((42 * row - 23) * ratio);
        const DarkRuns runs = darkRunsAlong(image, y, qRound(363 * ratio));
        ASSERT_EQ(runs.widths.size(), 9u) << "row " << row;
        EXPECT_EQ(runs.widths.front(), runs.widths.back()) << "row " << row;
        const std::set<int> lines(runs.widths.begin() + 1, runs.widths.end() - 1);
        EXPECT_EQ(lines.size(), 1u)
            << "row " << row << ": lines " << ::testing::PrintToString(lines);
        const auto [narrowest, widest] = std::minmax_element(runs.gaps.begin(), runs.gaps.end());
        EXPECT_LE(*widest - *narrowest, 1) << "row " << row;
    }

    // The white disc on (4, 4): at a fractional scale its edge mixes the disc's greys with the
    // board's violet, which no pixel of a sheet copied unchanged holds.
    if (ratio == qRound(ratio)) return;
    const int corner = qRound(143 * ratio);
    const int size = qRound(40 * ratio);
    int mixed = 0;
    for (int y = corner; y < corner + size; ++y) {
        for (int x = corner; x < corner + size; ++x) {
            const QColor c = at(image, x, y);
            if (!isGrey(c) && c != kBackground) ++mixed;
        }
    }
    EXPECT_GT(mixed, size) << "the disc's edge is stepped";
}

TEST(StatusText, ShorterTextLeavesNoRemainsOfALongerOne) {
    const Rect panel{5, 5, 150, 80};
    QtSurface reused(160, 90);
    reused.drawText(panel, "あなたの番(黒)     \n\n黒：64 \n白： 0 ");
    reused.drawText(panel, "終局\n\n黒： 2 \n白： 2 ");
    QtSurface fresh(160, 90);
    fresh.drawText(panel, "終局\n\n黒： 2 \n白： 2 ");
    EXPECT_EQ(reused.image(), fresh.image());
}

TEST(StatusText, JapaneseCharactersRenderAsDistinctGlyphs) {
    const Rect area{0, 0, 40, 30};
    QtSurface black(40, 30);
    black.drawText(area, "黒");
    QtSurface white(40, 30);
    white.drawText(area, "白");
    QtSurface blank(40, 30);
    // A missing glyph would draw the same box for both characters.
    EXPECT_NE(black.image(), blank.image());
    EXPECT_NE(black.image(), white.image());
}

}  // namespace
}  // namespace discada
