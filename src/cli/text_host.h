#pragma once

#include <deque>
#include <iosfwd>
#include <string>

#include "platform/document_opener.h"
#include "platform/file_chooser.h"
#include "platform/window_host.h"

namespace discada {

// The main window, its file dialogs and the desktop's viewer as text: every message box,
// move-list change, replay button change, menu state change, file dialog and document opened
// becomes one line on `out`. Message boxes are acknowledged at once; each file dialog takes the
// next queued answer, or is cancelled.
class TextHost final : public WindowHost, public FileChooser, public DocumentOpener {
public:
    explicit TextHost(std::ostream& out) : out_(out) {}

    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;

    void listReset() override;
    void listInsertTop(std::string_view text) override;
    void listDeleteTop() override;
    void listSelect(int index) override;

    void showReplayButtons(bool shown) override;

    void setMenuState(int commandId, MenuItemState state) override;

    // Repaints are not shown: the position is printed on request instead.
    void requestRepaint() override {}
    void paintNow() override {}

    FileChoice choose(const FileRequest& request) override;
    void queueAnswer(FileChoice answer) { answers_.push_back(std::move(answer)); }

    // "viewer PATH"; the viewer always starts.
    bool open(const std::string& path) override;

private:
    std::ostream& out_;
    std::deque<FileChoice> answers_;
};

}  // namespace discada
