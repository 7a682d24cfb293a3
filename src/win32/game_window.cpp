#include "win32/game_window.h"

#include <cassert>

#include "game/commands.h"
#include "game/discada.h"
#include "game/shell_commands.h"
#include "game/window_layout.h"
#include "win32/gdi_surface.h"
#include "win32/shell_document_opener.h"
#include "win32/ui_font.h"
#include "win32/wide_text.h"
#include "win32/win32_file_chooser.h"
#include "win32/win32_window_host.h"

namespace discada {

namespace {

HWND createChild(HWND parent, HINSTANCE instance, const wchar_t* className, const wchar_t* caption,
                 DWORD style, const Rect& area, int id) {
    return ::CreateWindowExW(0, className, caption, WS_CHILD | style, area.x1, area.y1,
                             area.width(), area.height(), parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace

// The game and the adapters it reaches the window through; they all know the main window.
struct GameWindow::Session {
    Session(HWND window, Clock& clock, const std::filesystem::path& programFolder)
        : host(window),
          files(window),
          opener(window),
          // The close request, handled before this returns: the window is then gone.
          shell(host, opener, programFolder, [window] { ::SendMessageW(window, WM_CLOSE, 0, 0); }),
          game(host, files, clock) {}

    Win32WindowHost host;
    Win32FileChooser files;
    ShellDocumentOpener opener;
    ShellCommands shell;
    Discada game;
};

GameWindow* GameWindow::instance_ = nullptr;

GameWindow::GameWindow(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)) {
    assert(instance_ == nullptr && "one game window per process");
    instance_ = this;
}

GameWindow::~GameWindow() {
    instance_ = nullptr;
    if (listFont_ != nullptr) ::DeleteObject(listFont_);
}

LRESULT CALLBACK GameWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (instance_ == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
    return instance_->handle(window, message, wParam, lParam);
}

void GameWindow::ensureSession(HWND window) {
    // The first message arrives while the window is being created, before the creation message:
    // by then the game knows the window and can reach its menu.
    if (session_ == nullptr) session_ = std::make_unique<Session>(window, clock_, programFolder_);
}

LRESULT GameWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ensureSession(window);
    switch (message) {
        case WM_CREATE:
            onCreate(window);
            return 0;
        case WM_PAINT:
            onPaint(window);
            return 0;
        case WM_DESTROY:
            onDestroy();
            return 0;
        case WM_COMMAND:
            // The high half of the id (a control's notification, the accelerator mark) is
            // ignored by the dispatcher.
            dispatchCommand(session_->game, session_->host, session_->shell,
                            static_cast<std::uint32_t>(wParam));
            return 0;
        case WM_LBUTTONUP:
            // A click counts where the button is released, in unsigned client coordinates.
            session_->game.onBoardClick(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            // No context menu: the right button does nothing.
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void GameWindow::onCreate(HWND window) {
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE));
    const HDC screen = ::GetDC(window);
    sprites_ = std::make_unique<GdiSurface>(screen, ::LoadBitmapW(instance, L"PIECE_IMG"));
    backBuffer_ = std::make_unique<GdiSurface>(screen, kBackBufferWidth, kBackBufferHeight);
    ::ReleaseDC(window, screen);
    session_->game.newGame(GameMode::ComputerWhite);
    ::InvalidateRect(window, nullptr, FALSE);
}

void GameWindow::onPaint(HWND window) {
    session_->game.paint(*backBuffer_, *sprites_);
    PAINTSTRUCT paint{};
    const HDC target = ::BeginPaint(window, &paint);
    // The whole scene in one copy, whatever part was invalid: never a half-drawn frame.
    ::BitBlt(target, 0, 0, kBackBufferWidth, kBackBufferHeight, backBuffer_->dc(), 0, 0, SRCCOPY);
    ::EndPaint(window, &paint);
}

void GameWindow::onDestroy() {
    sprites_.reset();
    backBuffer_.reset();
    ::PostQuitMessage(0);
}

void GameWindow::createControls(HWND window, HINSTANCE instance) {
    // Without LBS_NOINTEGRALHEIGHT: the list shows whole lines only.
    const HWND list = createChild(
        window, instance, L"LISTBOX", nullptr,
        WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOTIFY, kMoveListArea, 0);
    listFont_ = createUiFont(0);
    if (list != nullptr)
        ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), TRUE);
    for (const ReplayButton& button : kReplayButtons) {
        createChild(window, instance, L"BUTTON", widen(button.caption).c_str(), 0, button.area,
                    button.commandId);
    }
}

}  // namespace discada
