#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_chooser.h"
#include "record/file_replacement.h"

namespace discada {

// A FileChooser answering from a script: each dialog takes the next queued answer, or is
// cancelled when none is queued. Every request is kept, with its strings copied. A save's bytes
// are written by `writeStep`, which a test may make fail.
class ScriptedFiles : public FileChooser {
public:
    struct Asked {
        FileDialogKind kind;
        std::string title;
        std::string initialPath;
        std::string defaultExtension;
        std::size_t filters;
    };

    FileChoice choose(const FileRequest& r) override {
        requests.push_back({r.kind, std::string(r.title), r.initialPath,
                            std::string(r.defaultExtension), r.filters.size()});
        if (answers.empty()) return {FileChoiceOutcome::Cancelled, {}};
        FileChoice answer = answers.front();
        answers.pop_front();
        if (afterAnswer) afterAnswer(answer);
        return answer;
    }
    bool writeSaved(std::ostream& file, std::string_view bytes) override {
        return writeStep(file, bytes);
    }
    void answerWith(std::string path) {
        answers.push_back({FileChoiceOutcome::Chosen, std::move(path)});
    }

    std::deque<FileChoice> answers;
    std::vector<Asked> requests;
    // Runs once the dialog has answered and before the game touches the file, as another program
    // might at that moment.
    std::function<void(const FileChoice&)> afterAnswer;
    WriteStep writeStep = writeAllBytes;
};

}  // namespace discada
