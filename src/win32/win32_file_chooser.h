#pragma once

#include <windows.h>

#include "platform/file_chooser.h"

namespace discada {

// The common open and save dialogs, modal to the main window.
class Win32FileChooser final : public FileChooser {
public:
    explicit Win32FileChooser(HWND owner) : owner_(owner) {}

    FileChoice choose(const FileRequest& request) override;

private:
    HWND owner_;
};

}  // namespace discada
