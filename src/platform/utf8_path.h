#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace discada {

// The game holds paths as UTF-8 text; the file system takes them in its own encoding (UTF-16 on
// Windows). A path's plain string() would use the system's code page there and lose Japanese names.
inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

}  // namespace discada
