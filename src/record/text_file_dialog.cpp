#include "record/text_file_dialog.h"

#include <filesystem>

#include "platform/utf8_path.h"
#include "record/file_replacement.h"
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

FileChoiceOutcome TextFileDialog::ask(FileDialogKind kind, std::string_view title) {
    const FileChoice choice = chooser_.choose({.kind = kind,
                                               .title = title,
                                               .filters = filters_,
                                               .defaultExtension = defaultExtension_,
                                               .initialPath = path_});
    switch (choice.outcome) {
        case FileChoiceOutcome::Chosen:
            path_ = choice.path;
            fileTitle_ = fileNameOf(path_);
            break;
        case FileChoiceOutcome::Cancelled:
            lastError_.clear();
            break;
        case FileChoiceOutcome::Failed:
            lastError_ = kind == FileDialogKind::Save ? kSaveDialogError : kOpenDialogError;
            break;
    }
    return choice.outcome;
}

DialogOutcome TextFileDialog::saveText(std::string_view text, std::string_view title) {
    switch (ask(FileDialogKind::Save, title)) {
        case FileChoiceOutcome::Chosen:
            break;
        case FileChoiceOutcome::Cancelled:
            return DialogOutcome::Cancelled;
        case FileChoiceOutcome::Failed:
            return DialogOutcome::Failed;
    }
    const FileResult written =
        replaceFile(path_, text, [this](std::ostream& file, std::string_view bytes) {
            return chooser_.writeSaved(file, bytes);
        });
    if (!written.ok) {
        lastError_ = written.error;
        return DialogOutcome::Failed;
    }
    return DialogOutcome::Done;
}

std::optional<std::string> TextFileDialog::openText(std::size_t limit, std::string_view title) {
    // The open dialog never suggests the name of an earlier file.
    path_.clear();
    if (ask(FileDialogKind::Open, title) != FileChoiceOutcome::Chosen) return std::nullopt;
    FileReadResult read = readFilePrefix(path_, limit);
    if (!read.ok) {
        lastError_ = read.error;
        return std::nullopt;
    }
    return std::move(read.bytes);
}

}  // namespace discada
