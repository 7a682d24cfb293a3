#include <gtest/gtest.h>

#include <random>
#include <string>

#include "match/dsc_prog.h"
#include "record/record_text.h"

namespace discada {
namespace {

// Reads `text` into a fresh match the way the load command does.
struct Loaded {
    RecordReadOutcome outcome;
    int starts = 0;
    int placements = 0;
};

Loaded load(std::string_view text, DscProg& match) {
    Loaded loaded;
    loaded.outcome = readRecord(
        recordTextOf(text), match, [&] { ++loaded.starts, match.reset(); },
        [&] { ++loaded.placements; });
    return loaded;
}

std::string recordAfter(std::initializer_list<CellPos> line) {
    DscProg match;
    match.reset();
    for (const CellPos m : line)
        EXPECT_TRUE(match.makeMove(m.column, m.row));
    return formatRecord(match);
}

TEST(RecordWriter, WritesOneCrLfLineperPlacementWithAPaddedNumber) {
    const std::string text = recordAfter({{4, 3}, {3, 3}, {3, 4}});
    EXPECT_EQ(text, " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n");
    EXPECT_EQ(text.size(), 33u);

    DscProg match;
    match.reset();
    std::mt19937 random(5);
    while (match.movesPlayed() < 12) {
        std::array<CellPos, kCellListCapacity> list;
        const std::int32_t n = match.board().listMoves(match.sideToMove(), list, kCellListCapacity);
        const CellPos m = list[std::uniform_int_distribution<>(0, n - 1)(random)];
        ASSERT_TRUE(match.makeMove(m.column, m.row));
    }
    const std::string twelve = formatRecord(match);
    EXPECT_EQ(twelve.substr(twelve.find("10:"), 3), "10:");
    EXPECT_EQ(twelve.find("\r\n10:"), twelve.find("10:") - 2);
}

TEST(RecordWriter, StopsAtTheCursorNotAtTheEndOfTheLog) {
    DscProg match;
    match.reset();
    for (const CellPos m : {CellPos{4, 3}, CellPos{3, 3}, CellPos{3, 4}})
        ASSERT_TRUE(match.makeMove(m.column, m.row));
    match.unmakeMove();
    EXPECT_EQ(formatRecord(match), " 1:4,3(1)\r\n 2:3,3(2)\r\n");
    match.unmakeMove();
    match.unmakeMove();
    EXPECT_EQ(formatRecord(match), "");
}

TEST(RecordReader, ReadsBackWhatTheWriterWroteIgnoringNumbersAndColours) {
    DscProg match;
    Loaded loaded = load(" 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n", match);
    EXPECT_TRUE(loaded.outcome.hasFirstField);
    EXPECT_EQ(loaded.outcome.placementsMade, 3);
    EXPECT_EQ(loaded.starts, 1);
    EXPECT_EQ(loaded.placements, 3);
    EXPECT_EQ(formatRecord(match), " 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n");

    DscProg wrong;
    loaded = load("7:4,3(2)\n9:3,3(2)\n1:3,4(9)", wrong);
    EXPECT_EQ(loaded.outcome.placementsMade, 3);
    EXPECT_EQ(formatRecord(wrong), formatRecord(match));
}

TEST(RecordReader, RoundTripsWholeGamesWithPasses) {
    std::mt19937 random(11);
    int passes = 0;
    for (int game = 0; game < 300; ++game) {
        DscProg match;
        match.reset();
        while (!match.isOver()) {
            std::array<CellPos, kCellListCapacity> list;
            const std::int32_t n =
                match.board().listMoves(match.sideToMove(), list, kCellListCapacity);
            const CellPos m = list[std::uniform_int_distribution<>(0, n - 1)(random)];
            ASSERT_TRUE(match.makeMove(m.column, m.row));
            passes += match.status() == MatchStatus::Pass;
        }
        DscProg copy;
        const Loaded loaded = load(formatRecord(match), copy);
        ASSERT_EQ(loaded.outcome.placementsMade, match.movesPlayed());
        EXPECT_EQ(copy.status(), match.status());
        EXPECT_EQ(formatRecord(copy), formatRecord(match));
    }
    EXPECT_GT(passes, 0);
}

TEST(RecordReader, NoFirstFieldLeavesTheMatchUntouched) {
    for (const std::string_view text :
         {std::string_view(""), std::string_view(":"), std::string_view(":::::"),
          std::string_view("\0 1:4,3(1)", 10)}) {
        DscProg match;
        match.reset();
        ASSERT_TRUE(match.makeMove(4, 3));
        const Loaded loaded = load(text, match);
        EXPECT_FALSE(loaded.outcome.hasFirstField);
        EXPECT_EQ(loaded.starts, 0);
        EXPECT_EQ(match.movesPlayed(), 1);
    }
}

TEST(RecordReader, StopsAtTheFirstUnusablePlacement) {
    struct Case {
        std::string_view text;
        std::int32_t made;
    };
    const Case cases[] = {
        {"no colons at all", 0},
        {" 1:9,3(1)\r\n", 0},
        {" 1:4,0(1)\r\n", 0},
        {" 1:-1,3(1)\r\n", 0},
        {" 1:2147483648,3(1)\r\n", 0},
        {" 1:99999999999999999999999,3(1)\r\n", 0},
        {" 1:4,3(1)\r\n 2:4,3(2)\r\n 3:3,4(1)\r\n", 1},  // occupied
        {" 1:4,3(1)\r\n 2:4,4(2)\r\n 3:3,3(2)\r\n", 1},  // occupied, then legal for white
        {" 1:4,3(1)\r\n 2:9,3(2)\r\n 3:3,3(2)\r\n", 1},  // off the board, then legal
        {" 1:4,3(1)\r\n 2:3,3(2)\r\n 3:3,4(1)\r\n 4:5,3(2)\r\n 5:1,1(1)\r\n 6:3,5(2)\r\n", 4},
        {" 1:4,3(1)\r\n 2:3,3", 2},  // the last row field runs to the end of the text
        {" 1:+4,  3(1)", 1},
        {" 1:\t4,\r\n3(1)", 1},
        {" 1:4x,3(1)", 1},  // digits up to the first other character
        {" 1:,,,4,3(1)", 1},
        {" 1:4(1)\r\n 2:3,3(2)", 1},  // a missing ',' runs the column into the next line
    };
    for (const Case& c : cases) {
        DscProg match;
        const Loaded loaded = load(c.text, match);
        EXPECT_TRUE(loaded.outcome.hasFirstField) << c.text;
        EXPECT_EQ(loaded.starts, 1) << c.text;
        EXPECT_EQ(loaded.outcome.placementsMade, c.made) << c.text;
    }
}

TEST(RecordReader, LooksAtNoMoreThanTheBufferWhateverTheBytes) {
    std::string digits(100 * 1024, '7');
    digits[0] = ':';
    DscProg match;
    EXPECT_EQ(load(digits, match).outcome.placementsMade, 0);

    std::string record;
    for (int i = 0; i < 200; ++i)
        record += " 1:4,3(1)\r\n";
    EXPECT_EQ(recordTextOf(record).size(), kRecordReadLimit);

    std::string binary;
    std::mt19937 random(1);
    for (int i = 0; i < 5000; ++i)
        binary += static_cast<char>(random());
    for (std::size_t cut = 0; cut < binary.size(); cut += 97) {
        DscProg scratch;
        const Loaded loaded = load(std::string_view(binary).substr(cut), scratch);
        EXPECT_TRUE(scratch.isConsistent());
        EXPECT_LE(loaded.outcome.placementsMade, 60);
    }
    const std::string withNul = std::string(" 1:4,3(1)\r\n") + '\0' + " 2:3,3(2)\r\n";
    DscProg nul;
    EXPECT_EQ(load(withNul, nul).outcome.placementsMade, 1);
}

}  // namespace
}  // namespace discada
