#pragma once

namespace discada {

// The main window's outer size, frame, caption and menu bar included, as the centring rule counts
// it, and the area below the menu bar that the board, the panel and the controls share.
constexpr int kWindowOuterWidth = 530;
constexpr int kWindowOuterHeight = 413;
constexpr int kClientWidth = 524;
constexpr int kClientHeight = 368;

struct WindowPosition {
    int x = 0;
    int y = 0;
    bool operator==(const WindowPosition&) const = default;
};

// The top-left corner that centres the window on a screen of the given size; on a scaled screen
// the window's outer size is given in the screen's pixels. The division truncates toward zero, so
// a screen one pixel narrower than the window still gives x = 0.
constexpr WindowPosition centredWindowPosition(int screenWidth, int screenHeight,
                                               int windowWidth = kWindowOuterWidth,
                                               int windowHeight = kWindowOuterHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace discada
