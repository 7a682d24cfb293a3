#include "win32/shell_document_opener.h"

#include <shellapi.h>

#include "win32/wide_text.h"

namespace discada {

namespace {

// ShellExecuteW reports success with a value above this.
constexpr INT_PTR kLastShellExecuteError = 32;

}  // namespace

bool ShellDocumentOpener::open(const std::string& path) {
    const HINSTANCE result =
        ::ShellExecuteW(owner_, L"open", widen(path).c_str(), nullptr, L"", SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > kLastShellExecuteError;
}

}  // namespace discada
