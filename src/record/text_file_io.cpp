#include "record/text_file_io.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace discada {

namespace {

std::filesystem::path pathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

FileReadResult readFilePrefix(const std::string& path, std::size_t limit) {
    FileReadResult result;
    const std::filesystem::path file = pathOf(path);
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (std::filesystem::is_directory(status)) {
        result.error = path + ": is a folder";
        return result;
    }
    // A pipe or a device could keep the read waiting for ever: only ordinary files are read.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        result.error = path + ": not an ordinary file";
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        result.error = path + ": " + std::strerror(errno);
        return result;
    }
    result.bytes.resize(limit);
    in.read(result.bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) {
        result.error = path + ": read error";
        result.bytes.clear();
        return result;
    }
    result.bytes.resize(static_cast<std::size_t>(in.gcount()));
    result.ok = true;
    return result;
}

}  // namespace discada
