#pragma once

#include <array>
#include <string_view>

#include "game/commands.h"
#include "platform/rect.h"

namespace discada {

// The main window's layout, as every front end builds it: the outer size the centring rule
// counts (frame, caption and menu bar included), the area below the menu bar, the back buffer
// and the controls beside the board, in the client area's coordinates.
constexpr int kWindowOuterWidth = 530;
constexpr int kWindowOuterHeight = 413;
constexpr int kClientWidth = 524;
constexpr int kClientHeight = 368;

// The back buffer has the window's outer size; its right and bottom strips are never seen.
constexpr int kBackBufferWidth = kWindowOuterWidth;
constexpr int kBackBufferHeight = kWindowOuterHeight;

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

// A list box that fits its height to whole rows may end up shorter.
constexpr Rect kMoveListArea{385, 120, 515, 320};

// One replay button: the caption it is found by, the command it sends, where it stands and
// what it does in words, for a screen reader, which would read the caption's marks one by one.
struct ReplayButton {
    std::string_view caption;
    int commandId;
    Rect area;
    std::string_view spokenName;
};

// The replay buttons stand 10 pixels below the move list, spread from its left edge with equal
// gaps; the last one ends two pixels short of the list's right edge.
constexpr int kReplayButtonSize = 20;
constexpr int kReplayButtonGap = (kMoveListArea.width() - 4 * kReplayButtonSize) / 3;
constexpr int kReplayButtonTop = kMoveListArea.y2 + 10;

constexpr Rect replayButtonArea(int index) {
    const int left = kMoveListArea.x1 + index * (kReplayButtonSize + kReplayButtonGap);
    return {left, kReplayButtonTop, left + kReplayButtonSize, kReplayButtonTop + kReplayButtonSize};
}

inline constexpr std::array<ReplayButton, 4> kReplayButtons{{
    {"<<", command::kReplayFirst, replayButtonArea(0), "最初の局面まで戻る"},
    {"<", command::kReplayBack, replayButtonArea(1), "1手戻る"},
    {">", command::kReplayForward, replayButtonArea(2), "1手進む"},
    {">>", command::kReplayLast, replayButtonArea(3), "最後の手まで進む"},
}};

}  // namespace discada
