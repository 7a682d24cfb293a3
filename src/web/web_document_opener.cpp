#include "web/web_document_opener.h"

#include <emscripten.h>

#include <filesystem>
#include <fstream>

#include "platform/utf8_path.h"

namespace discada {

namespace {

constexpr const char* kPageFolder = "/page";
constexpr const char* kHelpFileName = "readme.txt";

EM_JS(int, pageOpenDocument, (const char* name),
      { return DiscadaPage.openDocument(UTF8ToString(name)) ? 1 : 0; });
EM_ASYNC_JS(int, pageHasFile, (const char* name),
            { return (await DiscadaPage.hasFile(UTF8ToString(name))) ? 1 : 0; });

}  // namespace

bool WebDocumentOpener::open(const std::string& path) {
    return pageOpenDocument(utf8Of(pathFromUtf8(path).filename()).c_str()) != 0;
}

PageFolder::PageFolder() {
    std::filesystem::create_directory(kPageFolder);
    std::filesystem::current_path(kPageFolder);
}

void PageFolder::refreshHelpFile() {
    const std::filesystem::path help = std::filesystem::path(kPageFolder) / kHelpFileName;
    std::error_code ignored;
    std::filesystem::remove(help, ignored);
    // Only its presence matters: the tab shows the page's own file.
    if (pageHasFile(kHelpFileName) != 0) std::ofstream(help).put('\n');
}

}  // namespace discada
