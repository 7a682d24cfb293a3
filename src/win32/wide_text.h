#pragma once

#include <string>
#include <string_view>

namespace discada {

// The game holds its texts and paths as UTF-8; the wide-character Windows functions take UTF-16,
// which shows the Japanese texts whatever the system's code page.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace discada
