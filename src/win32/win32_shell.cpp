#include "win32/win32_shell.h"

#include "game/help_command.h"
#include "platform/window_host.h"

namespace discada {

void Win32Shell::showHelp() {
    runHelpCommand(host_, opener_, ".", programFolder_);
}

void Win32Shell::showVersion() {
    showVersionBox(host_);
}

void Win32Shell::close() {
    ::SendMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace discada
