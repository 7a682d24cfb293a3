#include "cli/play_command.h"

#include <istream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_args.h"
#include "cli/no_wait_clock.h"
#include "cli/text_host.h"
#include "game/game_session.h"
#include "match/match_text.h"
#include "platform/system_clock.h"

namespace discada {

namespace {

// Cells are 40 pixels square; a placement clicks the middle of one.
constexpr std::int32_t kHalfCell = 20;

// What became of an input line: carried out, or refused for the reason given.
struct CarriedOut {};
struct Refused {
    std::string reason;
};
using LineOutcome = std::variant<CarriedOut, Refused>;

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// The game behind its text window, driven line by line.
class PlaySession {
public:
    PlaySession(std::ostream& out, std::ostream& err, bool noDelay)
        : out_(out),
          err_(err),
          host_(out),
          clock_(noDelay ? std::unique_ptr<Clock>(std::make_unique<NoWaitClock>())
                         : std::make_unique<SystemClock>()),
          // Help looks in the working directory only; closing ends the input.
          session_({.window = host_, .files = host_, .clock = *clock_, .opener = host_}) {
        session_.start();
    }

    // Carries out one input line; false once the window has been closed.
    bool run(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const LineOutcome outcome = carryOut(line);
        if (const auto* refused = std::get_if<Refused>(&outcome))
            err_ << "error: " << refused->reason << '\n';
        out_.flush();
        return !session_.closed();
    }

private:
    LineOutcome carryOut(const std::string& line) {
        const std::vector<std::string> words = wordsOf(line);
        if (words.empty()) return Refused{"empty line"};
        const std::string& verb = words[0];
        if (verb == "answer") return answer(line);
        if (verb == "board" && words.size() == 1) {
            out_ << boardText(game().match()) << game().statusText() << '\n';
            return CarriedOut{};
        }
        const auto first = words.size() >= 2 ? parseInteger(words[1]) : std::nullopt;
        const auto second = words.size() == 3 ? parseInteger(words[2]) : std::nullopt;
        const std::int32_t a = first.value_or(0);
        const std::int32_t b = second.value_or(0);
        // An id that names no command only asks for a repaint, which is not shown.
        if (verb == "command" && words.size() == 2 && first &&
            session_.command(static_cast<std::uint32_t>(a))) {
            return CarriedOut{};
        }
        const bool twoNumbers = first && second;
        if (verb == "click" && twoNumbers) {
            session_.click(a, b);
            return CarriedOut{};
        }
        if (verb == "place" && twoNumbers && game().match().board().isPlayable(a, b)) {
            const Cell& cell = game().match().board().cellAt(a, b);
            session_.click(cell.x() + kHalfCell, cell.y() + kHalfCell);
            return CarriedOut{};
        }
        return Refused{"cannot read \"" + line + "\""};
    }

    LineOutcome answer(const std::string& line) {
        const std::size_t start = line.find_first_not_of(" \t", line.find("answer") + 6);
        if (start == std::string::npos) return Refused{"answer needs a path or \"cancel\""};
        const std::string reply = line.substr(start);
        if (reply == "cancel") {
            host_.queueAnswer({FileChoiceOutcome::Cancelled, {}});
        } else {
            host_.queueAnswer({FileChoiceOutcome::Chosen, reply});
        }
        return CarriedOut{};
    }

    const Discada& game() const { return session_.game(); }

    std::ostream& out_;
    std::ostream& err_;
    TextHost host_;
    std::unique_ptr<Clock> clock_;
    GameSession session_;
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
