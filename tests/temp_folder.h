#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace discada {

// A new, empty folder in the system's temporary folder under a name no other folder has, removed
// with everything in it when the object goes: tests never meet each other's files, not even
// those of another run on the same machine.
class TempFolder {
public:
    explicit TempFolder(const std::string& stem = "discada") : path_(create(stem)) {}
    ~TempFolder() {
        std::error_code ec;
        // A test may have taken the write permission away; give it back to clean up.
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    // The folder belongs to this one object.
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    operator const std::filesystem::path&() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

private:
    static std::filesystem::path create(const std::string& stem) {
        std::random_device entropy;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (;;) {
            const auto tag = std::to_string(entropy()) + std::to_string(entropy());
            const std::filesystem::path candidate = base / (stem + "-" + tag);
            if (std::filesystem::create_directory(candidate)) return candidate;
        }
    }

    std::filesystem::path path_;
};

}  // namespace discada
