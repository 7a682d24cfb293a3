#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "record/file_replacement.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// Told of every file or folder the program flushes, before the flush.
std::function<void(const fs::path&)> watchFlush;

}  // namespace

// This test program is linked with --wrap=fsync: the program's flushes reach the real fsync
// through here, where the test sees them.
extern "C" int __real_fsync(int file);
extern "C" int __wrap_fsync(int file) {
    if (watchFlush) watchFlush(fs::read_symlink("/proc/self/fd/" + std::to_string(file)));
    return __real_fsync(file);
}

namespace discada {
namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Without the first flush a power cut can leave the new name on an empty file; without the
// second, the old file, or none, under the name.
TEST(ReplaceFile, FlushesTheNewFileBeforeTheRenameAndTheFolderAfterIt) {
    const TempFolder dir("discada-durable-save");
    const fs::path folder = fs::canonical(dir.path());
    std::ofstream(folder / "game.txt") << "earlier";
    std::vector<std::string> flushes;
    watchFlush = [&](const fs::path& flushed) {
        flushes.push_back(flushed.string() + " with " + contents(folder / "game.txt"));
    };
    const FileResult saved = replaceFile((folder / "game.txt").string(), "new");
    watchFlush = nullptr;

    EXPECT_TRUE(saved.ok) << saved.error;
    EXPECT_EQ(flushes,
              (std::vector<std::string>{(folder / "game.txt.saving0").string() + " with earlier",
                                        folder.string() + " with new"}));
}

}  // namespace
}  // namespace discada
