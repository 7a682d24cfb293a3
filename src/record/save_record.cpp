#include "record/save_record.h"

#include <string_view>

#include "match/dsc_prog.h"
#include "record/record_text.h"
#include "record/text_file_dialog.h"

namespace discada {

namespace {

constexpr std::string_view kSaveTitle = "名前を付けて保存";

}  // namespace

SaveOutcome saveRecord(const DscProg& match, TextFileDialog& dialog) {
    if (match.moveCursor() == -1) return SaveOutcome::NothingToSave;
    switch (dialog.saveText(formatRecord(match), kSaveTitle)) {
        case DialogOutcome::Done:
            return SaveOutcome::Saved;
        case DialogOutcome::Cancelled:
            return SaveOutcome::Cancelled;
        case DialogOutcome::Failed:
            break;
    }
    return SaveOutcome::Failed;
}

}  // namespace discada
