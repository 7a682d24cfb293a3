#include "platform/system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace discada {

namespace {

// Gives the new file the permissions of the one it replaces, as an overwrite in place would.
void keepPermissions(const std::filesystem::path& target,
                     const std::filesystem::path& replacement) {
    std::error_code ec;
    const std::filesystem::file_status old = std::filesystem::status(target, ec);
    if (!ec && std::filesystem::is_regular_file(old))
        std::filesystem::permissions(replacement, old.permissions(), ec);
}

// Waits until what the system holds of the file or folder at `path` is on the disk.
FileResult flushToDisk(const std::filesystem::path& path, int openFlags) {
    const int file = ::open(path.c_str(), openFlags | O_CLOEXEC);
    if (file < 0) return {false, std::generic_category().message(errno)};
    // A file system that cannot flush a folder (EINVAL) keeps its entries by other means.
    const bool flushed = ::fsync(file) == 0 || ((openFlags & O_DIRECTORY) != 0 && errno == EINVAL);
    const std::string error = flushed ? std::string() : std::generic_category().message(errno);
    ::close(file);
    return {flushed, error};
}

}  // namespace

FileKind fileKindOf(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return FileKind::None;
    if (std::filesystem::is_regular_file(status)) return FileKind::Ordinary;
    return std::filesystem::is_directory(status) ? FileKind::Folder : FileKind::Other;
}

FileResult moveIntoPlace(const std::filesystem::path& replacement,
                         const std::filesystem::path& target) {
    const FileResult written = flushToDisk(replacement, O_RDONLY);
    if (!written.ok) return written;
    keepPermissions(target, replacement);
    std::error_code ec;
    std::filesystem::rename(replacement, target, ec);
    if (ec) return {false, ec.message()};
    // The new name is an entry of the folder: until the folder is flushed, a power cut can
    // bring back the old file, or no file at all.
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    return flushToDisk(folder, O_RDONLY | O_DIRECTORY);
}

std::uint64_t savedVectorStates() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned low = 0;
    unsigned high = 0;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return (std::uint64_t{high} << 32) | low;
#else
    return 0;
#endif
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return {argv + 1, argv + argc};
}

}  // namespace discada
