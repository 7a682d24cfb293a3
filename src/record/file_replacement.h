#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/file_chooser.h"
#include "platform/file_result.h"

namespace discada {

// The step that puts the bytes into the freshly created temporary file; false when it could not
// write them all. A save takes it from the save dialog's chooser, which may also hand the bytes on
// elsewhere, and a test may make it fail half-way.
using WriteStep = std::function<bool(std::ostream& file, std::string_view bytes)>;

// Replaces the file at the UTF-8 `path` by `bytes`, or creates it. The bytes go to a temporary
// file in the same folder, which takes the target's name only once every byte is on the disk;
// on a failure before that the temporary file is removed and an earlier file stays as it was
// (moveIntoPlace tells the one failure after it).
FileResult replaceFile(const std::string& path, std::string_view bytes,
                       const WriteStep& write = writeAllBytes);

}  // namespace discada
