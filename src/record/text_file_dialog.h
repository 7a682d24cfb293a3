#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_chooser.h"

namespace discada {

// The type list of the record dialogs: text files first, then every file.
inline constexpr std::array<FileFilter, 2> kRecordFilters{{
    {"text(*.txt)", "*.txt"},
    {"All files(*.*)", "*.*"},
}};

enum class DialogOutcome { Done, Cancelled, Failed };

// Asks the user for a file name through the desktop's standard dialogs and writes or reads one
// whole text file. The path survives between dialogs, so a save dialog starts with the name the
// previous one chose; an open dialog always starts empty. Paths are UTF-8.
class TextFileDialog {
public:
    TextFileDialog(FileChooser& chooser, std::span<const FileFilter> filters,
                   std::string_view defaultExtension, std::string initialPath,
                   std::string initialFileTitle);

    // Asks for a name and puts `text` in that file, byte for byte. An earlier file is replaced
    // only when the whole text is written; a failure leaves it untouched.
    [[nodiscard]] DialogOutcome saveText(std::string_view text, std::string_view title);
    // Asks for an existing file and reads at most `limit` bytes from its start; nothing when the
    // dialog is cancelled or fails or the file cannot be read.
    [[nodiscard]] std::optional<std::string> openText(std::size_t limit, std::string_view title);

    const std::string& path() const { return path_; }
    const std::string& fileTitle() const { return fileTitle_; }
    // Why the last dialog operation failed; empty after a cancel. Nothing shows it to the user.
    const std::string& lastError() const { return lastError_; }

private:
    // Shows the dialog; a chosen file becomes the path, a failure or a cancel the last error.
    FileChoiceOutcome ask(FileDialogKind kind, std::string_view title);

    FileChooser& chooser_;
    std::span<const FileFilter> filters_;
    std::string_view defaultExtension_;
    std::string path_;
    std::string fileTitle_;
    std::string lastError_;
};

}  // namespace discada
