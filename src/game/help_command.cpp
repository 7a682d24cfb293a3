#include "game/help_command.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "game/app_info.h"
#include "platform/document_opener.h"
#include "platform/utf8_path.h"
#include "platform/window_host.h"

namespace discada {

namespace {

constexpr std::string_view kHelpFileName = "readme.txt";
constexpr std::string_view kNotFoundText = "ヘルプファイルが見つかりません。";
constexpr std::string_view kViewerFailedText = "ヘルプファイルの表示に失敗しました。";

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isHelpFileName(std::string_view name) {
    return std::equal(name.begin(), name.end(), kHelpFileName.begin(), kHelpFileName.end(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

bool isReadableFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return std::ifstream(path).is_open();
}

}  // namespace

std::optional<std::filesystem::path> findHelpFile(const std::filesystem::path& folder) {
    const std::filesystem::path exact = folder / kHelpFileName;
    if (isReadableFile(exact)) return exact;

    std::vector<std::filesystem::path> variants;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (isHelpFileName(utf8Of(it->path().filename()))) variants.push_back(it->path());
    }
    std::sort(variants.begin(), variants.end());
    for (const auto& path : variants) {
        if (isReadableFile(path)) return path;
    }
    return std::nullopt;
}

HelpOutcome runHelpCommand(WindowHost& window, DocumentOpener& opener,
                           const std::filesystem::path& folder,
                           const std::filesystem::path& installedFolder) {
    std::optional<std::filesystem::path> file = findHelpFile(folder);
    // An empty path would name the working directory again.
    if (!file && !installedFolder.empty()) file = findHelpFile(installedFolder);
    if (!file) {
        window.showMessage(kNotFoundText, kErrorCaption, MessageIcon::Warning);
        return HelpOutcome::NotFound;
    }
    if (!opener.open(utf8Of(*file))) {
        showViewerFailure(window);
        return HelpOutcome::ViewerFailed;
    }
    return HelpOutcome::Opened;
}

void showViewerFailure(WindowHost& window) {
    window.showMessage(kViewerFailedText, kErrorCaption, MessageIcon::Warning);
}

}  // namespace discada
