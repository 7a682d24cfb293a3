#pragma once

#include "platform/document_opener.h"

namespace discada {

// Opens a file with the viewer the desktop associates with its type.
class QtDocumentOpener final : public DocumentOpener {
public:
    bool open(const std::string& path) override;
};

}  // namespace discada
