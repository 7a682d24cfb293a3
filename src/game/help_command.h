#pragma once

#include <filesystem>
#include <optional>

namespace discada {

class DocumentOpener;
class WindowHost;

enum class HelpOutcome { Opened, NotFound, ViewerFailed };

// The help file in `folder`: "readme.txt" itself, otherwise the first name, in name order, that
// differs from it only in the case of its letters ("Readme.txt" and "README.TXT" name the same
// file on the desktop the game began on). Only a regular file that opens for reading counts.
std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& folder);

// The help command: opens the help file of `folder` with the desktop's viewer or, when `folder`
// holds none, the one installed with the program in `installedFolder` (an empty path: none). A
// warning box tells the user when neither exists or no viewer could show the file.
HelpOutcome runHelpCommand(WindowHost& window, DocumentOpener& opener,
                           const std::filesystem::path& folder,
                           const std::filesystem::path& installedFolder = {});

// The warning box that tells the user no viewer could show the help file; also for a viewer that
// reports its failure only after the help command has returned.
void showViewerFailure(WindowHost& window);

}  // namespace discada
