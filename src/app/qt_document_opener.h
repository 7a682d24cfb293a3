#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <utility>

#include "platform/document_opener.h"

namespace discada {

// Opens a file with the viewer the desktop associates with its type, through xdg-open, and never
// waits for it: `open` answers as soon as xdg-open runs. xdg-open exits soon after handing the
// file to a viewer; when it exits with a failure within `watch` (no viewer, say), `onFailure`
// runs from the event loop. A later exit is the viewer's own, on desktops where xdg-open runs the
// viewer in its own place, and tells nothing about the help.
class QtDocumentOpener final : public DocumentOpener {
public:
    static constexpr std::chrono::milliseconds kFailureWatch{5000};

    explicit QtDocumentOpener(std::function<void()> onFailure,
                              std::chrono::milliseconds watch = kFailureWatch)
        : onFailure_(std::move(onFailure)), watch_(watch) {}

    bool open(const std::string& path) override;

private:
    std::function<void()> onFailure_;
    std::chrono::milliseconds watch_;
    // Owns the runs of xdg-open not yet ended and receives their signals. Its connections go
    // before its children when the opener is destroyed, so a run stopped then reports nothing.
    QObject runs_;
};

}  // namespace discada
