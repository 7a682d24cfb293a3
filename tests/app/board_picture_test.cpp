#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include "app/qt_surface.h"
#include "board/board.h"
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

// The sheet as it is compiled into the program.
QImage discSheet() {
    return QImage(QStringLiteral(":/PIECE_IMG"));
}

TEST(DiscSheet, IsAnUncompressedBottomUp24BitBitmapOf80By40) {
    QFile file(QStringLiteral(":/PIECE_IMG"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 54 + 9600);
    const auto field = [&](int offset) {
        return qFromLittleEndian<qint32>(bytes.constData() + offset);
    };
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(field(18), 80);
    EXPECT_EQ(field(22), 40);  // positive: rows stored bottom-up
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(field(30), 0);  // no compression
    EXPECT_EQ(field(46), 0);  // no colour table
}

TEST(DiscSheet, HoldsAWhiteAndABlackDiscFillingTheirTilesOnPureRed) {
    const QImage sheet = discSheet();
    ASSERT_EQ(sheet.size(), QSize(80, 40));
    struct Tile {
        int x;
        int faceLow;
        int faceHigh;
    };
    for (const Tile tile : {Tile{0, 245, 255}, Tile{40, 58, 68}}) {
        for (const auto& [x, y] : {std::pair{0, 0}, {39, 0}, {0, 39}, {39, 39}}) {
            EXPECT_EQ(at(sheet, tile.x + x, y), kRed) << tile.x + x << "," << y;
        }
        const int face = at(sheet, tile.x + 20, 15).red();
        EXPECT_GE(face, tile.faceLow);
        EXPECT_LE(face, tile.faceHigh);
        // The disc reaches every edge of its tile, and nothing but red lies outside it.
        bool top = false, bottom = false, left = false, right = false;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const QColor c = at(sheet, tile.x + x, y);
                if (c == kRed) continue;
                EXPECT_TRUE(isGrey(c)) << tile.x + x << "," << y;
                top = top || y == 0;
                bottom = bottom || y == 39;
                left = left || x == 0;
                right = right || x == 39;
            }
        }
        EXPECT_TRUE(top && bottom && left && right) << "tile at " << tile.x;
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
