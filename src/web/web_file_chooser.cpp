#include "web/web_file_chooser.h"

#include <emscripten.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "platform/utf8_path.h"

namespace discada {

namespace {

// Where the chosen files stand in the module's own file system.
constexpr std::string_view kRecordFolder = "/records";

// Each dialog returns its outcome, a FileChoiceOutcome. For a chosen file the page puts its name,
// allocated, into `name`; for a save, its number for the chosen place into `target`. An opened
// file's bytes are put into `folder` under its name.
EM_ASYNC_JS(int, pageChooseSave,
            (const char* title, const char* suggested, const char* filters, const char* extension,
             char** name, int* target),
            {
                const answer =
                    await DiscadaPage.chooseSave(UTF8ToString(title), UTF8ToString(suggested),
                                                 UTF8ToString(filters), UTF8ToString(extension));
                if (answer.name) {
                    HEAPU32[name >> 2] = allocateUTF8(answer.name);
                    HEAP32[target >> 2] = answer.target;
                }
                return answer.outcome;
            });
EM_ASYNC_JS(int, pageChooseOpen, (const char* folder, int limit, char** name), {
    const answer = await DiscadaPage.chooseOpen(limit);
    if (answer.name) {
        FS.writeFile(UTF8ToString(folder) + "/" + answer.name, answer.bytes);
        HEAPU32[name >> 2] = allocateUTF8(answer.name);
    }
    return answer.outcome;
});
EM_ASYNC_JS(int, pageDeliverSave, (int target, const char* bytes, int length), {
    return (await DiscadaPage.deliverSave(target, HEAPU8.slice(bytes, bytes + length))) ? 1 : 0;
});

// The type list as the page takes it: a line per type, its description and pattern split by a tab.
std::string filterLines(std::span<const FileFilter> filters) {
    std::string lines;
    for (const FileFilter& filter : filters)
        lines += std::string(filter.description) + '\t' + std::string(filter.pattern) + '\n';
    return lines;
}

// The name a save dialog suggests: the last chosen file's name, with the default extension
// when it has none.
std::string suggestedName(const FileRequest& request) {
    std::filesystem::path name = pathFromUtf8(request.initialPath).filename();
    if (!name.empty() && !name.has_extension() && !request.defaultExtension.empty())
        name += "." + std::string(request.defaultExtension);
    return utf8Of(name);
}

}  // namespace

FileChoice WebFileChooser::choose(const FileRequest& request) {
    std::filesystem::remove_all(std::string(kRecordFolder));
    std::filesystem::create_directory(std::string(kRecordFolder));
    saveTarget_.reset();
    beforeWaiting_();
    char* answeredName = nullptr;
    int target = 0;
    const int outcome =
        request.kind == FileDialogKind::Open
            ? pageChooseOpen(std::string(kRecordFolder).c_str(), static_cast<int>(readLimit_),
                             &answeredName)
            : pageChooseSave(std::string(request.title).c_str(), suggestedName(request).c_str(),
                             filterLines(request.filters).c_str(),
                             std::string(request.defaultExtension).c_str(), &answeredName, &target);
    const std::unique_ptr<char, decltype(&std::free)> name(answeredName, &std::free);
    switch (static_cast<FileChoiceOutcome>(outcome)) {
        case FileChoiceOutcome::Chosen:
            // The page could not hand over the name.
            if (!name) break;
            if (request.kind == FileDialogKind::Save) saveTarget_ = target;
            return {.outcome = FileChoiceOutcome::Chosen,
                    .path = std::string(kRecordFolder) + "/" + name.get()};
        case FileChoiceOutcome::Cancelled:
            return {.outcome = FileChoiceOutcome::Cancelled};
        case FileChoiceOutcome::Failed:
            break;
    }
    return {.outcome = FileChoiceOutcome::Failed};
}

bool WebFileChooser::writeSaved(std::ostream& file, std::string_view bytes) {
    const std::optional<int> target = std::exchange(saveTarget_, std::nullopt);
    return writeAllBytes(file, bytes) && target &&
           pageDeliverSave(*target, bytes.data(), static_cast<int>(bytes.size())) != 0;
}

}  // namespace discada
