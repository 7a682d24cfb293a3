#include "cli/play_command.h"

#include <charconv>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/no_wait_clock.h"
#include "cli/text_host.h"
#include "game/app_info.h"
#include "game/commands.h"
#include "game/discada.h"
#include "match/match_text.h"
#include "platform/system_clock.h"

namespace discada {

namespace {

// Cells are 40 pixels square; a placement clicks the middle of one.
constexpr std::int32_t kHalfCell = 20;

class PlayShell final : public ShellCommands {
public:
    PlayShell(WindowHost& window, std::ostream& err) : window_(window), err_(err) {}

    void showHelp() override { err_ << "error: help is not available in play\n"; }
    void showVersion() override {
        window_.showMessage(std::string(kAppName) + "\t" + std::string(kVersionText),
                            kVersionCaption, MessageIcon::None);
    }
    void close() override { closed_ = true; }
    bool closed() const { return closed_; }

private:
    WindowHost& window_;
    std::ostream& err_;
    bool closed_ = false;
};

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

bool parseInt(const std::string& word, std::int32_t& value) {
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool isCommandId(std::int32_t id) {
    constexpr std::int32_t kIds[] = {
        command::kNewGameAsBlack, command::kNewGameAsWhite, command::kNewGameTwoPlayers,
        command::kLevel0,         command::kLevel1,         command::kLevel2,
        command::kLevel3,         command::kUndo,           command::kLoadRecord,
        command::kSaveRecord,     command::kSaveAtEnd,      command::kHelp,
        command::kVersion,        command::kClose,          command::kReplayFirst,
        command::kReplayBack,     command::kReplayForward,  command::kReplayLast};
    for (const std::int32_t known : kIds) {
        if (id == known) return true;
    }
    return false;
}

// One session: the game, its text window and the shell commands.
class PlaySession {
public:
    PlaySession(std::ostream& out, std::ostream& err, bool noDelay)
        : out_(out),
          err_(err),
          host_(out),
          clock_(noDelay ? std::unique_ptr<Clock>(std::make_unique<NoWaitClock>())
                         : std::make_unique<SystemClock>()),
          game_(host_, host_, *clock_),
          shell_(host_, err) {
        game_.newGame(GameMode::ComputerWhite);
    }

    // Carries out one input line; false once the window has been closed.
    bool run(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string problem = carryOut(line);
        if (!problem.empty()) err_ << "error: " << problem << '\n';
        out_.flush();
        return !shell_.closed();
    }

private:
    // Empty when done, otherwise why the line was refused.
    std::string carryOut(const std::string& line) {
        const std::vector<std::string> words = wordsOf(line);
        if (words.empty()) return "empty line";
        const std::string& verb = words[0];
        if (verb == "answer") return answer(line);
        if (verb == "board" && words.size() == 1) {
            out_ << boardText(game_.match()) << game_.statusText() << '\n';
            return {};
        }
        std::int32_t a = 0;
        std::int32_t b = 0;
        if (verb == "command" && words.size() == 2 && parseInt(words[1], a) && isCommandId(a)) {
            dispatchCommand(game_, host_, shell_, static_cast<std::uint32_t>(a));
            return {};
        }
        const bool twoNumbers = words.size() == 3 && parseInt(words[1], a) && parseInt(words[2], b);
        if (verb == "click" && twoNumbers) {
            game_.onBoardClick(a, b);
            return {};
        }
        if (verb == "place" && twoNumbers && game_.match().board().isPlayable(a, b)) {
            const Cell& cell = game_.match().board().cellAt(a, b);
            game_.onBoardClick(cell.x() + kHalfCell, cell.y() + kHalfCell);
            return {};
        }
        return "cannot read \"" + line + "\"";
    }

    std::string answer(const std::string& line) {
        const std::size_t start = line.find_first_not_of(" \t", line.find("answer") + 6);
        if (start == std::string::npos) return "answer needs a path or \"cancel\"";
        const std::string reply = line.substr(start);
        if (reply == "cancel") {
            host_.queueAnswer({FileChoiceOutcome::Cancelled, {}});
        } else {
            host_.queueAnswer({FileChoiceOutcome::Chosen, reply});
        }
        return {};
    }

    std::ostream& out_;
    std::ostream& err_;
    TextHost host_;
    std::unique_ptr<Clock> clock_;
    Discada game_;
    PlayShell shell_;
};

}  // namespace

int runPlay(std::istream& in, std::ostream& out, std::ostream& err, bool noDelay) {
    PlaySession session(out, err, noDelay);
    for (std::string line; std::getline(in, line);) {
        if (!session.run(line)) break;
    }
    return 0;
}

}  // namespace discada
