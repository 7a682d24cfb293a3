#include "platform/system.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <system_error>

#include "platform/utf8_path.h"

namespace discada {

namespace {

std::string lastErrorText() {
    return std::system_category().message(static_cast<int>(::GetLastError()));
}

// Opens with no read or write access: enough to ask what the path names, and a pipe's waiting
// data is not touched.
class AttributeHandle {
public:
    explicit AttributeHandle(const std::filesystem::path& path)
        : handle_(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
    ~AttributeHandle() {
        if (valid()) ::CloseHandle(handle_);
    }
    AttributeHandle(const AttributeHandle&) = delete;
    AttributeHandle& operator=(const AttributeHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

FileKind fileKindOf(const std::filesystem::path& path) {
    // Links are followed by the open; device names such as CON or NUL open as characters.
    const AttributeHandle file(path);
    if (!file.valid()) return FileKind::None;
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return FileKind::Other;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(file.get(), &info) == 0) return FileKind::Other;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::Folder
                                                                   : FileKind::Ordinary;
}

FileResult moveIntoPlace(const std::filesystem::path& replacement,
                         const std::filesystem::path& target) {
    const HANDLE file = ::CreateFileW(replacement.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {false, lastErrorText()};
    const bool flushed = ::FlushFileBuffers(file) != 0;
    const std::string flushError = flushed ? std::string() : lastErrorText();
    ::CloseHandle(file);
    if (!flushed) return {false, flushError};
    // The rename is complete on the disk before the call returns.
    if (::MoveFileExW(replacement.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        return {false, lastErrorText()};
    }
    return {true, {}};
}

std::uint64_t savedVectorStates() {
    return ::GetEnabledXStateFeatures();
}

std::vector<std::string> commandLineArguments(int /*argc*/, char** /*argv*/) {
    // The narrow arguments are in the system's code page: take the UTF-16 command line instead.
    ::SetConsoleOutputCP(CP_UTF8);
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i)
        arguments.push_back(utf8Of(std::filesystem::path(wide[i])));
    ::LocalFree(wide);
    return arguments;
}

}  // namespace discada
