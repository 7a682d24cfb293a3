#pragma once

#include <cstddef>
#include <string_view>

#include "platform/file_chooser.h"

namespace discada {

// The record dialogs in the page. Saving asks for a name with the browser's save dialog where
// it has one, else with a box in the page; the bytes are then delivered there (or downloaded)
// by `deliver`. Opening asks with the browser's file picker and copies the start of the chosen
// file, at most `readLimit` bytes, into the module's memory, where the game reads it by path.
class WebFileChooser final : public FileChooser {
public:
    explicit WebFileChooser(std::size_t readLimit) : readLimit_(readLimit) {}

    FileChoice choose(const FileRequest& request) override;

    // Puts `bytes` where the last save dialog chose; false when that failed.
    static bool deliver(std::string_view bytes);

private:
    std::size_t readLimit_;
};

}  // namespace discada
