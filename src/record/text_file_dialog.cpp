#include "record/text_file_dialog.h"

#include <filesystem>

#include "platform/utf8_path.h"
#include "record/text_file_io.h"

namespace discada {

namespace {

constexpr std::string_view kSaveDialogError = "GetSaveFileError";
constexpr std::string_view kOpenDialogError = "GetOpenFileError";

std::string fileNameOf(const std::string& utf8Path) {
    return utf8Of(pathFromUtf8(utf8Path).filename());
}

}  // namespace

TextFileDialog::TextFileDialog(FileChooser& chooser, std::span<const FileFilter> filters,
                               std::string_view defaultExtension, std::string initialPath,
                               std::string initialFileTitle)
    : chooser_(chooser),
      filters_(filters),
      defaultExtension_(defaultExtension),
      path_(std::move(initialPath)),
      fileTitle_(std::move(initialFileTitle)) {
}

std::optional<std::string> TextFileDialog::ask(FileDialogKind kind, std::string_view title) {
    const FileChoice choice = chooser_.choose({.kind = kind,
                                               .title = title,
                                               .filters = filters_,
                                               .defaultExtension = defaultExtension_,
                                               .initialPath = path_});
    if (choice.outcome != FileChoiceOutcome::Chosen) {
        const bool failed = choice.outcome == FileChoiceOutcome::Failed;
        const bool saving = kind == FileDialogKind::Save;
        lastError_ = failed ? std::string(saving ? kSaveDialogError : kOpenDialogError) : "";
        return std::nullopt;
    }
    path_ = choice.path;
    fileTitle_ = fileNameOf(path_);
    return path_;
}

DialogOutcome TextFileDialog::saveText(std::string_view text, std::string_view title) {
    const auto path = ask(FileDialogKind::Save, title);
    if (!path) return lastError_.empty() ? DialogOutcome::Cancelled : DialogOutcome::Failed;
    const ReplaceResult written = replaceFile(*path, text, writeStep_);
    if (!written.ok) {
        lastError_ = written.error;
        return DialogOutcome::Failed;
    }
    return DialogOutcome::Done;
}

std::optional<std::string> TextFileDialog::openText(std::size_t limit, std::string_view title) {
    // The open dialog never suggests the name of an earlier file.
    path_.clear();
    const auto path = ask(FileDialogKind::Open, title);
    if (!path) return std::nullopt;
    FileReadResult read = readFilePrefix(*path, limit);
    if (!read.ok) {
        lastError_ = read.error;
        return std::nullopt;
    }
    return std::move(read.bytes);
}

}  // namespace discada
