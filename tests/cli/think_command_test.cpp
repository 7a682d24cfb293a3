#include "cli/think_command.h"

#include <gtest/gtest.h>

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

TEST_F(ThinkCommand, AnswersTheKnownPositionsOnBothModels) {
    const std::string opening = write("opening.txt", " 1:4,3(1)\r\n");
    const std::string reference =
        write("reference.txt",
              " 1:5,6(1)\r\n 2:4,6(2)\r\n 3:3,4(1)\r\n 4:6,6(2)\r\n 5:7,7(1)\r\n 6:7,6(2)\r\n"
              " 7:3,7(1)\r\n 8:3,6(2)\r\n");
    for (const std::string model : {"fast", "literal"}) {
        EXPECT_EQ(run({"--depth", "3", "--model", model, opening}), 0);
        EXPECT_EQ(out_.str(), "3,5 1\n");
        EXPECT_EQ(run({"--depth", "5", "--model", model, opening}), 0);
        EXPECT_EQ(out_.str(), "3,3 1\n");
        EXPECT_EQ(run({"--depth", "3", "--model", model, "--stats", reference}), 0);
        EXPECT_EQ(out_.str(), "6,7 -28\n");
        EXPECT_TRUE(err_.str().starts_with("nodes=382 seconds=")) << err_.str();
    }
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

TEST(BenchCommand, HoldsBothModelsToTheSameAnswers) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBench({"--model", "both", "--depth", "2"}, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("midgame-20   literal"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("fast/literal nodes per second:"), std::string::npos);
    EXPECT_EQ(runBench({"--depth", "0"}, out, err), 64);
}

}  // namespace
}  // namespace discada
