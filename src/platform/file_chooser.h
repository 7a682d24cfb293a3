#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace discada {

enum class FileDialogKind { Save, Open };

// One choice of a file dialog's type list, e.g. {"text(*.txt)", "*.txt"}.
struct FileFilter {
    std::string_view description;
    std::string_view pattern;
};

struct FileRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string_view title;
    std::span<const FileFilter> filters;
    // Appended when the user types a name without an extension.
    std::string_view defaultExtension;
    // UTF-8 path or bare name the dialog starts with; empty for none.
    std::string initialPath;
};

enum class FileChoiceOutcome { Chosen, Cancelled, Failed };

struct FileChoice {
    FileChoiceOutcome outcome = FileChoiceOutcome::Cancelled;
    std::string path;  // UTF-8, set when chosen
};

// Writes every byte at once; false when the stream failed.
bool writeAllBytes(std::ostream& file, std::string_view bytes);

// The desktop's standard open and save dialogs. A save dialog asks before replacing a file; an
// open dialog only accepts an existing file.
class FileChooser {
public:
    virtual ~FileChooser() = default;

    virtual FileChoice choose(const FileRequest& request) = 0;
    // Puts the bytes of a save into `file`, the fresh file behind the path the last save dialog
    // chose; false when they did not all get there. A chooser whose chosen place lies outside
    // the program's files (the page's download or the browser's file) hands them on there too.
    virtual bool writeSaved(std::ostream& file, std::string_view bytes);
};

}  // namespace discada
