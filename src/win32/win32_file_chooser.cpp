#include "win32/win32_file_chooser.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "win32/wide_text.h"

namespace discada {

namespace {

// Room for a long path; the dialog reports a longer choice as a failure.
constexpr std::size_t kPathCapacity = 32768;

// The dialog's type list: description and pattern, each ended by a zero, and a zero at the end.
std::wstring filterList(std::span<const FileFilter> filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += widen(filter.description) + L'\0';
        list += widen(filter.pattern) + L'\0';
    }
    return list + L'\0';
}

}  // namespace

FileChoice Win32FileChooser::choose(const FileRequest& request) {
    const bool saving = request.kind == FileDialogKind::Save;
    const std::wstring filters = filterList(request.filters);
    const std::wstring title = widen(request.title);
    const std::wstring extension = widen(request.defaultExtension);
    std::vector<wchar_t> path(kPathCapacity, L'\0');
    const std::wstring initial = widen(request.initialPath);
    std::copy_n(initial.begin(), std::min(initial.size(), path.size() - 1), path.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // The working directory stays where the program started: the help file is looked for there.
    dialog.Flags =
        OFN_NOCHANGEDIR | (saving ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY : OFN_FILEMUSTEXIST);
    const BOOL chosen = saving ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (chosen == 0) {
        const bool failed = ::CommDlgExtendedError() != 0;
        return {failed ? FileChoiceOutcome::Failed : FileChoiceOutcome::Cancelled, {}};
    }
    return {FileChoiceOutcome::Chosen, narrow(path.data())};
}

}  // namespace discada
