#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/file_chooser.h"

namespace discada {

// The record dialogs in the page. Saving asks for a name with the browser's save dialog where
// it has one, else with a box in the page, and the written bytes are handed to what the page
// chose: the browser's file, or a download of that name. Opening asks with the browser's file
// picker and copies the start of the chosen file, at most `readLimit` bytes, into the module's
// memory, where the game reads it by path.
class WebFileChooser final : public FileChooser {
public:
    // `beforeWaiting` runs before a dialog suspends the game's call.
    WebFileChooser(std::size_t readLimit, std::function<void()> beforeWaiting)
        : readLimit_(readLimit), beforeWaiting_(std::move(beforeWaiting)) {}

    FileChoice choose(const FileRequest& request) override;
    // Writes the bytes into the module's file and hands them to the place the last save dialog
    // chose.
    bool writeSaved(std::ostream& file, std::string_view bytes) override;

private:
    std::size_t readLimit_;
    std::function<void()> beforeWaiting_;
    // The page's number for the place the last save dialog chose, until it is handed its bytes.
    std::optional<int> saveTarget_;
};

}  // namespace discada
