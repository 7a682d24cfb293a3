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

}  // namespace

FileKind fileKindOf(const std::filesystem::path& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return FileKind::None;
    if (std::filesystem::is_regular_file(status)) return FileKind::Ordinary;
    return std::filesystem::is_directory(status) ? FileKind::Folder : FileKind::Other;
}

std::string moveIntoPlace(const std::filesystem::path& replacement,
                          const std::filesystem::path& target) {
    const int file = ::open(replacement.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0 || ::fsync(file) != 0) {
        const std::string error = std::generic_category().message(errno);
        if (file >= 0) ::close(file);
        return error;
    }
    ::close(file);
    keepPermissions(target, replacement);
    std::error_code ec;
    std::filesystem::rename(replacement, target, ec);
    return ec ? ec.message() : std::string();
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
