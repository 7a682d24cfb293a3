#include "cli/show_command.h"

#include <ostream>

#include "match/dsc_prog.h"
#include "match/match_text.h"
#include "record/record_text.h"
#include "record/text_file_io.h"

namespace discada {

int runShow(const std::string& path, std::ostream& out, std::ostream& err) {
    const FileReadResult file = readFilePrefix(path, kRecordReadLimit);
    if (!file.ok) {
        err << file.error << '\n';
        return 1;
    }
    DscProg match;
    const RecordReadOutcome outcome = readRecord(
        recordTextOf(file.bytes), match, [&] { match.reset(); }, [] {});
    if (outcome.placementsMade == 0) {
        err << "棋譜の読み込みに失敗しました。\n";
        return 2;
    }
    out << boardText(match) << summaryLine(match) << '\n';
    return 0;
}

}  // namespace discada
