#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_result.h"

namespace discada {

// What differs between the operating systems below the front ends. Each system has its own
// implementation file: system_posix.cpp, system_windows.cpp.

enum class FileKind { None, Ordinary, Folder, Other };

// What `path` names, links followed. None when nothing is there or it cannot be examined; Other
// for a pipe, a device or a socket, which could keep a read waiting for ever.
FileKind fileKindOf(const std::filesystem::path& path);

// Puts the bytes of the closed file `replacement` on the disk, then gives it the name `target`
// in one step, replacing the file there, and puts that renaming on the disk too, so the new file
// survives a power cut. Where the system has permission bits, the new file takes those of the
// old one. On failure `target` is as it was, unless only the last step failed: then the new file
// holds the name but may not survive a power cut.
FileResult moveIntoPlace(const std::filesystem::path& replacement,
                         const std::filesystem::path& target);

// The XCR0 bits of the register states the system saves on a task switch (bits 1 and 2: SSE and
// AVX; bits 5 to 7: AVX-512). A vector instruction set is usable only when its states are saved.
// Precondition: the processor reports XSAVE enabled by the system (CPUID leaf 1, ECX bit 27).
std::uint64_t savedVectorStates();

// The command line's arguments after the program's name, as UTF-8. Also makes the console show
// UTF-8 output, so that the Japanese messages read right.
std::vector<std::string> commandLineArguments(int argc, char** argv);

}  // namespace discada
