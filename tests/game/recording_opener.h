#pragma once

#include <string>
#include <vector>

#include "platform/document_opener.h"

namespace discada {

// Records what the desktop's viewer was asked to open; the viewer starts while `succeeds`.
class RecordingOpener final : public DocumentOpener {
public:
    bool open(const std::string& path) override {
        opened.push_back(path);
        return succeeds;
    }

    bool succeeds = true;
    std::vector<std::string> opened;
};

}  // namespace discada
