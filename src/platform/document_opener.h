#pragma once

#include <string>

namespace discada {

// Opens a document with the desktop's associated viewer without waiting for it.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;

    // True when a viewer was started.
    virtual bool open(const std::string& path) = 0;
};

}  // namespace discada
