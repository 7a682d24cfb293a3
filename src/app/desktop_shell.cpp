#include "app/desktop_shell.h"

#include <QWidget>
#include <string>

#include "game/app_info.h"
#include "game/help_command.h"
#include "platform/window_host.h"

namespace discada {

void DesktopShell::showHelp() {
    runHelpCommand(window_, opener_, ".", installedHelpFolder_);
}

void DesktopShell::showVersion() {
    const std::string text = std::string(kAppName) + '\t' + std::string(kVersionText);
    window_.showMessage(text, kVersionCaption, MessageIcon::None);
}

void DesktopShell::close() {
    mainWindow_.close();
}

}  // namespace discada
