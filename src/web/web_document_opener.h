#pragma once

#include "platform/document_opener.h"

namespace discada {

// Opens a file that lies beside the page in a new tab. The game sees the page's folder as its
// working directory, in which the files the page found beside it stand (see PageFolder).
class WebDocumentOpener final : public DocumentOpener {
public:
    bool open(const std::string& path) override;
};

// The module's picture of the folder the page was opened from: the help file is put there when
// it lies beside the page, so that the game's help command finds exactly what the page can open.
class PageFolder {
public:
    // Makes the folder the working directory.
    PageFolder();
    // Looks beside the page again for the help file.
    void refreshHelpFile();
};

}  // namespace discada
