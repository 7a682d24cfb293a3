#include "app/desktop_shell.h"

#include <QWidget>

#include "game/help_command.h"
#include "platform/window_host.h"

namespace discada {

void DesktopShell::showHelp() {
    runHelpCommand(window_, opener_, ".", installedHelpFolder_);
}

void DesktopShell::showVersion() {
    showVersionBox(window_);
}

void DesktopShell::close() {
    mainWindow_.close();
}

}  // namespace discada
