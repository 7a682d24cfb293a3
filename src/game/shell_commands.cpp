#include "game/shell_commands.h"

#include <string>
#include <utility>

#include "game/app_info.h"
#include "game/help_command.h"
#include "platform/window_host.h"

namespace discada {

ShellCommands::ShellCommands(WindowHost& window, DocumentOpener& opener,
                             std::filesystem::path installedHelpFolder, std::function<void()> close)
    : window_(window),
      opener_(opener),
      installedHelpFolder_(std::move(installedHelpFolder)),
      close_(std::move(close)) {
}

void ShellCommands::showHelp() {
    runHelpCommand(window_, opener_, ".", installedHelpFolder_);
}

void ShellCommands::showVersion() {
    const std::string text = std::string(kAppName) + '\t' + std::string(kVersionText);
    window_.showMessage(text, kVersionCaption, MessageIcon::None);
}

void ShellCommands::close() {
    close_();
}

}  // namespace discada
