#include "platform/file_chooser.h"

#include <ostream>

namespace discada {

bool writeAllBytes(std::ostream& file, std::string_view bytes) {
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool FileChooser::writeSaved(std::ostream& file, std::string_view bytes) {
    return writeAllBytes(file, bytes);
}

}  // namespace discada
