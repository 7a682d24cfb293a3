#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>

#include "win32/display_scale.h"
#include "win32/win32_clock.h"

namespace discada {

class GdiSurface;

// The main window's procedure and what it works with: the game with its adapters, created by the
// first message the window receives, whatever its kind, and the back buffer and the disc sheet,
// which live from the creation message to the destruction message. One per process; the window
// keeps no game state of its own. The layout is kept in logical pixels and drawn at the scale of
// the screen the window is on.
class GameWindow {
public:
    explicit GameWindow(std::filesystem::path programFolder);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // The window class's procedure: hands every message to the process's GameWindow.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The move list and the four hidden replay buttons, children of `window`.
    void createControls(HWND window, HINSTANCE instance);

private:
    struct Session;

    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void ensureSession(HWND window);
    void onCreate(HWND window);
    void onPaint(HWND window);
    void onDestroy();
    // The window moved to a screen of another scaling: `suggested` is where Windows would put it.
    void onDpiChanged(HWND window, int dpi, const RECT& suggested);
    // The back buffer and the disc sheet for the current scale.
    void makeSurfaces(HWND window);
    std::unique_ptr<GdiSurface> discSheet(HWND window, HDC screen) const;
    // The move list's font at the current scale, in place of the one it had.
    void setListFont(HWND list);
    // The move list and the replay buttons where the layout puts them at the current scale.
    void placeControls(HWND window);

    static GameWindow* instance_;

    std::filesystem::path programFolder_;
    Win32Clock clock_;
    DisplayScale scale_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<GdiSurface> backBuffer_;
    std::unique_ptr<GdiSurface> sprites_;
    HFONT listFont_ = nullptr;
};

}  // namespace discada
