#pragma once

#include <windows.h>

#include "platform/document_opener.h"

namespace discada {

// Opens a document with the application Windows associates with its type.
class ShellDocumentOpener final : public DocumentOpener {
public:
    explicit ShellDocumentOpener(HWND owner) : owner_(owner) {}

    // False when ShellExecuteW answers 32 or less.
    bool open(const std::string& path) override;

private:
    HWND owner_;
};

}  // namespace discada
