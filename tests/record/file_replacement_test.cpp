#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/utf8_path.h"
#include "record/file_replacement.h"
#include "temp_folder.h"

namespace discada {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
// A device name opens the device in every folder.
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ReplaceFile, ReplacesOnlyOrdinaryFilesAndNoOtherFile) {
    const TempFolder dir("discada-replace-file");
    fs::create_directory(dir / "folder");
    std::ofstream(dir / "real.txt") << "a much longer earlier record";
    std::ofstream(dir / "real.txt.saving0") << "someone else's";
    // A Japanese name beside a Latin one: the path reaches the system intact.
    const fs::path japanese = dir / pathFromUtf8("棋譜.txt");

    EXPECT_TRUE(replaceFile(utf8Of(dir / "real.txt"), "new").ok);
    EXPECT_TRUE(replaceFile(utf8Of(japanese), "new").ok);
    EXPECT_EQ(contents(dir / "real.txt"), "new");
    EXPECT_EQ(contents(japanese), "new");
    EXPECT_EQ(contents(dir / "real.txt.saving0"), "someone else's");

    const FileResult halfWay =
        replaceFile(utf8Of(dir / "real.txt"), "0123456789", [](std::ostream& file, auto bytes) {
            file.write(bytes.data(), 5);
            return false;
        });
    EXPECT_FALSE(halfWay.ok);
    EXPECT_FALSE(halfWay.error.empty());
    EXPECT_EQ(contents(dir / "real.txt"), "new");
    EXPECT_FALSE(replaceFile(utf8Of(dir / "folder"), "x").ok);
    EXPECT_FALSE(replaceFile(utf8Of(dir / "none/x.txt"), "x").ok);
    EXPECT_FALSE(replaceFile(kNullDevice, "x").ok);  // refused before anything is created
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 4);
}

#ifndef _WIN32
// Links and permission bits are this system's own; Windows keeps neither in the same way.
TEST(ReplaceFile, KeepsTheModeAndSavesThroughALink) {
    const TempFolder dir("discada-replace-link");
    std::ofstream(dir / "real.txt") << "earlier";
    fs::permissions(dir / "real.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(dir / "real.txt", dir / "link.txt");

    EXPECT_TRUE(replaceFile((dir / "link.txt").string(), "new").ok);
    EXPECT_EQ(contents(dir / "real.txt"), "new");
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(fs::status(dir / "real.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}
#endif

}  // namespace
}  // namespace discada
