#pragma once

#include <string_view>

namespace discada {

// The program's name and version as the title bar, the version box, `discada-cli --version` and
// the package show them. CMake reads these two lines for the project's version: keep their form.
constexpr std::string_view kAppName = "DiscadaGame";
constexpr std::string_view kVersionText = "Ver.1.2";
constexpr std::string_view kVersionCaption = "バージョン情報";
// The caption of every failure box: saving, loading, help.
constexpr std::string_view kErrorCaption = "Error";

}  // namespace discada
