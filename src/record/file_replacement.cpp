#include "record/file_replacement.h"

#include <filesystem>
#include <fstream>

#include "platform/system.h"
#include "platform/utf8_path.h"

namespace discada {

namespace {

namespace fs = std::filesystem;

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

FileResult failure(const fs::path& temporary, std::string error) {
    std::error_code ec;
    fs::remove(temporary, ec);
    return {false, std::move(error)};
}

}  // namespace

FileResult replaceFile(const std::string& path, std::string_view bytes, const WriteStep& write) {
    const fs::path target = resolvedTarget(pathFromUtf8(path));
    // Only an ordinary file is replaced: renaming over a folder, a device or a pipe is refused.
    const FileKind existing = fileKindOf(target);
    if (existing != FileKind::None && existing != FileKind::Ordinary) {
        return {false, path + ": not an ordinary file"};
    }
    const fs::path temporary = freeTemporaryPath(target);
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return failure(temporary, path + ": cannot create a file in its folder");
    const bool written = write(file, bytes);
    file.flush();
    file.close();
    if (!written || file.fail()) return failure(temporary, path + ": write error");
    const FileResult moved = moveIntoPlace(temporary, target);
    if (!moved.ok) return failure(temporary, path + ": " + moved.error);
    return moved;
}

}  // namespace discada
