#include "web/web_file_chooser.h"

#include <emscripten.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "platform/utf8_path.h"

namespace discada {

namespace {

// Where the chosen files stand in the module's own file system.
constexpr std::string_view kRecordFolder = "/records";

// Each answer comes back as one allocated string: "C" and the chosen name, "X" for a cancel or
// "F" for a failure. An opened file's bytes are put into `folder` under its name.
EM_ASYNC_JS(char*, pageChooseSave,
            (const char* title, const char* suggested, const char* filters, const char* extension),
            {
                return allocateUTF8(
                    await DiscadaPage.chooseSave(UTF8ToString(title), UTF8ToString(suggested),
                                                 UTF8ToString(filters), UTF8ToString(extension)));
            });
EM_ASYNC_JS(char*, pageChooseOpen, (const char* folder, int limit), {
    const answer = await DiscadaPage.chooseOpen(limit);
    if (answer.outcome != "C") return allocateUTF8(answer.outcome);
    FS.writeFile(UTF8ToString(folder) + "/" + answer.name, answer.bytes);
    return allocateUTF8("C" + answer.name);
});
EM_ASYNC_JS(int, pageDeliverSave, (const char* bytes, int length), {
    return (await DiscadaPage.deliverSave(HEAPU8.slice(bytes, bytes + length))) ? 1 : 0;
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
    const std::unique_ptr<char, decltype(&std::free)> answer(
        request.kind == FileDialogKind::Open
            ? pageChooseOpen(std::string(kRecordFolder).c_str(), static_cast<int>(readLimit_))
            : pageChooseSave(std::string(request.title).c_str(), suggestedName(request).c_str(),
                             filterLines(request.filters).c_str(),
                             std::string(request.defaultExtension).c_str()),
        &std::free);
    const std::string_view text = answer ? answer.get() : "F";
    if (text.empty() || text[0] == 'F') return {.outcome = FileChoiceOutcome::Failed};
    if (text[0] != 'C') return {.outcome = FileChoiceOutcome::Cancelled};
    return {.outcome = FileChoiceOutcome::Chosen,
            .path = std::string(kRecordFolder) + "/" + std::string(text.substr(1))};
}

bool WebFileChooser::deliver(std::string_view bytes) {
    return pageDeliverSave(bytes.data(), static_cast<int>(bytes.size())) != 0;
}

}  // namespace discada
