#include "record/file_replacement.h"

#include <filesystem>
#include <fstream>

namespace discada {

namespace {

namespace fs = std::filesystem;

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A link is followed, so that saving through it replaces the file it names, not the link.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

// A name beside the target that no file holds yet, so an unrelated file is never overwritten.
fs::path freeTemporaryPath(const fs::path& target) {
    for (int n = 0;; ++n) {
        fs::path candidate = target;
        candidate += ".saving" + std::to_string(n);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
}

// Gives the new file the permissions of the one it replaces, as an overwrite in place would.
void keepPermissions(const fs::path& target, const fs::path& replacement) {
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old)) fs::permissions(replacement, old.permissions(), ec);
}

ReplaceResult failure(const fs::path& temporary, std::string error) {
    std::error_code ec;
    fs::remove(temporary, ec);
    return {false, std::move(error)};
}

}  // namespace

bool writeAllBytes(std::ostream& file, std::string_view bytes) {
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

ReplaceResult replaceFile(const std::string& path, std::string_view bytes, const WriteStep& write) {
    std::error_code ec;
    const fs::path target = resolvedTarget(pathOf(path));
    const fs::file_status existing = fs::status(target, ec);
    // Only an ordinary file is replaced: renaming over a folder, a device or a pipe is refused.
    if (fs::exists(existing) && !fs::is_regular_file(existing)) {
        return {false, path + ": not an ordinary file"};
    }
    const fs::path temporary = freeTemporaryPath(target);
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return failure(temporary, path + ": cannot create a file in its folder");
    const bool written = write(file, bytes);
    file.flush();
    file.close();
    if (!written || file.fail()) return failure(temporary, path + ": write error");
    keepPermissions(target, temporary);
    fs::rename(temporary, target, ec);
    if (ec) return failure(temporary, path + ": " + ec.message());
    return {true, {}};
}

}  // namespace discada
