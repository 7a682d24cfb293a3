#include "win32/game_window.h"

#include <cassert>

#include "game/game_session.h"
#include "game/window_layout.h"
#include "win32/gdi_surface.h"
#include "win32/shell_document_opener.h"
#include "win32/ui_font.h"
#include "win32/wide_text.h"
#include "win32/win32_file_chooser.h"
#include "win32/win32_window_host.h"

namespace discada {

namespace {

// Created without a place: placeControls puts it where it belongs.
void createChild(HWND parent, HINSTANCE instance, const wchar_t* className, const wchar_t* caption,
                 DWORD style, int id) {
    ::CreateWindowExW(0, className, caption, WS_CHILD | style, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// `area` is in device pixels.
void moveChild(HWND child, const Rect& area) {
    if (child != nullptr)
        ::SetWindowPos(child, nullptr, area.x1, area.y1, area.width(), area.height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

// The game and the adapters it reaches the window through; they all know the main window.
struct GameWindow::Session {
    Session(HWND window, Clock& clock, const std::filesystem::path& programFolder)
        : host(window),
          files(window),
          opener(window),
          game({.window = host,
                .files = files,
                .clock = clock,
                .opener = opener,
                .installedHelpFolder = programFolder,
                // The close request, handled before this returns: the window is then gone.
                .close = [window] { ::SendMessageW(window, WM_CLOSE, 0, 0); }}) {}

    Win32WindowHost host;
    Win32FileChooser files;
    ShellDocumentOpener opener;
    GameSession game;
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
            // ignored by the game.
            session_->game.command(static_cast<std::uint32_t>(wParam));
            return 0;
        case WM_LBUTTONUP:
            // A click counts where the button is released, in unsigned client coordinates.
            session_->game.click(scale_.logical(LOWORD(lParam)), scale_.logical(HIWORD(lParam)));
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            // No context menu: the right button does nothing.
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

void GameWindow::onCreate(HWND window) {
    // The window opens at the system's scaling; the screen it lands on may have another.
    scale_ = windowScale(window);
    ::SetWindowPos(window, nullptr, 0, 0, scale_.pixels(kWindowOuterWidth),
                   scale_.pixels(kWindowOuterHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    makeSurfaces(window);
    session_->game.start();
    ::InvalidateRect(window, nullptr, FALSE);
}

void GameWindow::makeSurfaces(HWND window) {
    const HDC screen = ::GetDC(window);
    sprites_ = discSheet(window, screen);
    backBuffer_ = std::make_unique<GdiSurface>(screen, kBackBufferWidth, kBackBufferHeight, scale_);
    ::ReleaseDC(window, screen);
}

// The sheets compiled into the program serve one and two device pixels per logical one; at any
// other scale the sheet is drawn at that scale, so that no disc is stretched.
std::unique_ptr<GdiSurface> GameWindow::discSheet(HWND window, HDC screen) const {
    const bool fine = scale_ == PixelScale(2, 1);
    if (!fine && scale_ != PixelScale(1, 1))
        return std::make_unique<GdiSurface>(screen, drawDiscSheet(scale_), scale_);
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE));
    const HBITMAP sheet = ::LoadBitmapW(instance, fine ? L"PIECE_IMG_2X" : L"PIECE_IMG");
    return std::make_unique<GdiSurface>(screen, sheet, scale_);
}

void GameWindow::onPaint(HWND window) {
    session_->game.paint(*backBuffer_, *sprites_);
    PAINTSTRUCT paint{};
    const HDC target = ::BeginPaint(window, &paint);
    // The whole scene in one copy, whatever part was invalid: never a half-drawn frame.
    ::BitBlt(target, 0, 0, scale_.pixels(kBackBufferWidth), scale_.pixels(kBackBufferHeight),
             backBuffer_->dc(), 0, 0, SRCCOPY);
    ::EndPaint(window, &paint);
}

void GameWindow::onDpiChanged(HWND window, int dpi, const RECT& suggested) {
    scale_ = DisplayScale(dpi);
    makeSurfaces(window);
    placeControls(window);
    ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(window, nullptr, FALSE);
}

void GameWindow::onDestroy() {
    sprites_.reset();
    backBuffer_.reset();
    ::PostQuitMessage(0);
}

void GameWindow::createControls(HWND window, HINSTANCE instance) {
    // Without LBS_NOINTEGRALHEIGHT: the list shows whole lines only.
    createChild(window, instance, L"LISTBOX", nullptr,
                WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOTIFY, 0);
    for (const ReplayButton& button : kReplayButtons)
        createChild(window, instance, L"BUTTON", widen(button.caption).c_str(), 0,
                    button.commandId);
    placeControls(window);
}

void GameWindow::setListFont(HWND list) {
    const HFONT previous = listFont_;
    listFont_ = createUiFont(0, scale_);
    if (list != nullptr)
        ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_), TRUE);
    if (previous != nullptr) ::DeleteObject(previous);
}

void GameWindow::placeControls(HWND window) {
    // The font first: the list fits its height to whole rows of the font it shows.
    const HWND list = ::FindWindowExW(window, nullptr, L"LISTBOX", nullptr);
    setListFont(list);
    moveChild(list, scale_.pixels(kMoveListArea));
    for (const ReplayButton& button : kReplayButtons) {
        const std::wstring caption = widen(button.caption);
        moveChild(::FindWindowExW(window, nullptr, L"BUTTON", caption.c_str()),
                  scale_.pixels(button.area));
    }
}

}  // namespace discada
