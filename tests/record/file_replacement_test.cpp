#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "record/file_replacement.h"

namespace discada {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ReplaceFile, ReplacesOnlyOrdinaryFilesKeepingModeLinksAndOtherFiles) {
    const fs::path dir = fs::temp_directory_path() / "discada-replace-file";
    fs::remove_all(dir);
    fs::create_directories(dir / "folder");
    std::ofstream(dir / "real.txt") << "a much longer earlier record";
    std::ofstream(dir / "real.txt.saving0") << "someone else's";
    fs::permissions(dir / "real.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(dir / "real.txt", dir / "link.txt");

    EXPECT_TRUE(replaceFile((dir / "link.txt").string(), "new").ok);
    EXPECT_EQ(contents(dir / "real.txt"), "new");
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(fs::status(dir / "real.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(contents(dir / "real.txt.saving0"), "someone else's");

    const ReplaceResult halfWay =
        replaceFile((dir / "real.txt").string(), "0123456789", [](std::ostream& file, auto bytes) {
            file.write(bytes.data(), 5);
            return false;
        });
    EXPECT_FALSE(halfWay.ok);
    EXPECT_FALSE(halfWay.error.empty());
    EXPECT_EQ(contents(dir / "real.txt"), "new");
    EXPECT_FALSE(replaceFile((dir / "folder").string(), "x").ok);
    EXPECT_FALSE(replaceFile((dir / "none/x.txt").string(), "x").ok);
    EXPECT_FALSE(replaceFile("/dev/null", "x").ok);  // refused before anything is created
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 4);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace discada
