#include "cli/think_command.h"

#include <gtest/gtest.h>

#include "ai/kernels.h"
#include "cli/bench_command.h"
#include "cli/perft_command.h"
#include "cli_test_fixture.h"

namespace discada {
namespace {

class ThinkCommand : public CliTest {
protected:
    int run(std::vector<std::string> args) {
        clearOutput();
        return runThink(args, out_, err_);
    }
};

// Every search gives the same answers; the walks visit the whole specified tree, the game's
// search (the default) fewer nodes.
TEST_F(ThinkCommand, AnswersTheKnownPositionsWithEverySearch) {
    const std::string opening = write("opening.txt", " 1:4,3(1)\r\n");
    const std::string reference =
        write("reference.txt",
              " 1:5,6(1)\r\n 2:4,6(2)\r\n 3:3,4(1)\r\n 4:6,6(2)\r\n 5:7,7(1)\r\n 6:7,6(2)\r\n"
              " 7:3,7(1)\r\n 8:3,6(2)\r\n");
    for (const std::vector<std::string>& model : std::vector<std::vector<std::string>>{
             {}, {"--model", "pruned"}, {"--model", "fast"}, {"--model", "literal"}}) {
        const auto withModel = [&](std::vector<std::string> args) {
            args.insert(args.begin(), model.begin(), model.end());
            return args;
        };
        EXPECT_EQ(run(withModel({"--depth", "3", opening})), 0);
        EXPECT_EQ(out_.str(), "3,5 1\n");
        EXPECT_EQ(run(withModel({"--depth", "5", opening})), 0);
        EXPECT_EQ(out_.str(), "3,3 1\n");
        EXPECT_EQ(run(withModel({"--depth", "3", "--stats", reference})), 0);
        EXPECT_EQ(out_.str(), "6,7 -28\n");
        const bool walk = !model.empty() && model[1] != "pruned";
        EXPECT_EQ(err_.str().starts_with("nodes=382 seconds="), walk) << err_.str();
    }
    EXPECT_EQ(run({"--depth", "3", "--stats", reference}), 0);
    const std::string game = err_.str();
    EXPECT_EQ(run({"--depth", "3", "--stats", "--model", "pruned", reference}), 0);
    EXPECT_EQ(err_.str().substr(0, err_.str().find(' ')), game.substr(0, game.find(' ')));
}

TEST_F(ThinkCommand, ChoosesAtRandomAtLevel0AndAtTheStartOfAGame) {
    const std::string empty = write("empty.txt", "");
    EXPECT_EQ(run({"--level", "3", "--stats", empty}), 0);
    const std::string first = out_.str();
    EXPECT_TRUE(first == "3,4\n" || first == "4,3\n" || first == "5,6\n" || first == "6,5\n")
        << first;
    EXPECT_TRUE(err_.str().starts_with("nodes=0 ")) << err_.str();
    // A fixed depth searches even at the start.
    EXPECT_EQ(run({"--depth", "1", empty}), 0);
    EXPECT_EQ(out_.str(), "3,4 0\n");

    EXPECT_EQ(run({"--level", "0", write("opening.txt", " 1:4,3(1)\r\n")}), 0);
    const std::string answer = out_.str();
    EXPECT_TRUE(answer == "3,3\n" || answer == "5,3\n" || answer == "3,5\n") << answer;
}

TEST_F(ThinkCommand, RefusesFinishedGamesUnreadableFilesAndBadArguments) {
    const std::string over =
        write("over.txt",
              " 1:3,4(1)\r\n 2:3,3(2)\r\n 3:3,2(1)\r\n 4:2,4(2)\r\n 5:1,5(1)\r\n 6:6,4(2)\r\n"
              " 7:7,4(1)\r\n 8:3,5(2)\r\n 9:4,6(1)\r\n");
    EXPECT_EQ(run({"--depth", "3", over}), 2);
    EXPECT_EQ(out_.str(), "");
    EXPECT_NE(err_.str(), "");
    EXPECT_EQ(run({(dir_ / "missing.txt").string()}), 1);
    EXPECT_NE(err_.str().find("missing.txt"), std::string::npos);
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{},
                                               {"--depth", "0", over},
                                               {"--depth", "x", over},
                                               {"--level", "1", "--depth", "2", over},
                                               {"--model", "quick", over},
                                               {over, over},
                                               {"--depth"}}) {
        EXPECT_EQ(run(bad), 64);
        EXPECT_TRUE(err_.str().starts_with("usage:"));
    }
}

TEST(PerftCommand, CountsLeavesFromTheStart) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runPerft({"6"}, out, err), 0);
    EXPECT_EQ(out.str(), "8200\n");
    EXPECT_EQ(runPerft({"-1"}, out, err), 64);
    EXPECT_EQ(runPerft({}, out, err), 64);
}

TEST(BenchCommand, HoldsEverySearchToTheSameAnswers) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBench({"--model", "all", "--depth", "2"}, out, err), 0) << err.str();
    for (const char* row : {"midgame-20   pruned", "midgame-20   fast", "midgame-20   literal",
                            "midgame      pruned", "total        literal"}) {
        EXPECT_NE(out.str().find(row), std::string::npos) << row << '\n' << out.str();
    }
    out.str("");
    EXPECT_EQ(runBench({"--model", "literal,pruned", "--depth", "1"}, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("total        pruned"), std::string::npos) << out.str();
    EXPECT_EQ(out.str().find("fast"), std::string::npos) << out.str();
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--depth", "0"},
                                               {"--model", "quick"},
                                               {"--model", "fast,"},
                                               {"--model"},
                                               {"--random", "0"},
                                               {"--seed", "-1"},
                                               {"--repeat", "x"}}) {
        EXPECT_EQ(runBench(bad, out, err), 64);
    }
}

// The pruned search's fingerprint at a depth quick in every build. The answer tests prove its
// choices right; only this shows that it still prunes as well (a move order or a table gone wrong
// keeps every answer). It must not depend on the instruction set or the word size. A change that
// moves it says why in its commit message.
TEST(BenchCommand, PrintsTheSignatureOfThePrunedSearch) {
    const std::string signature = "Bench: 373848 c2d87397";
    for (const KernelIsa isa : {KernelIsa::Portable, KernelIsa::Avx2, KernelIsa::Avx512}) {
        if (isSupported(isa)) {
            EXPECT_EQ(benchSignature(8, kernelsFor(isa)), signature) << nameOf(isa);
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBench({"--model", "pruned", "--depth", "8"}, out, err), 0) << err.str();
    EXPECT_TRUE(out.str().ends_with('\n' + signature + '\n')) << out.str();
}

// Positions of random games: the spread of the game's search over them, and the slowest.
TEST(BenchCommand, SpreadsTheSearchOverRandomPositions) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBench({"--random", "5", "--seed", "7", "--depth", "3", "--model", "pruned,fast"},
                       out, err),
              0)
        << err.str();
    EXPECT_NE(out.str().find("5 positions of random games (seed 7)"), std::string::npos)
        << out.str();
    for (const char* row : {"\npruned ", "\nfast ", "slowest for pruned: "})
        EXPECT_NE(out.str().find(row), std::string::npos) << row << '\n' << out.str();
}

}  // namespace
}  // namespace discada
