#include "record/text_file_io.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/system.h"
#include "platform/utf8_path.h"

namespace discada {

FileReadResult readFilePrefix(const std::string& path, std::size_t limit) {
    FileReadResult result;
    const std::filesystem::path file = pathFromUtf8(path);
    const FileKind kind = fileKindOf(file);
    if (kind == FileKind::Folder) {
        result.error = path + ": is a folder";
        return result;
    }
    // A pipe or a device could keep the read waiting for ever: only ordinary files are read.
    if (kind == FileKind::Other) {
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
