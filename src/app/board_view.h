#pragma once

#include <QWidget>

#include "app/qt_surface.h"

namespace discada {

class GameSession;

// The area below the menu bar. Every paint renders the game into the back buffer and copies the
// buffer to the screen in one piece; a left-button release is a click on the board. The move
// list and the replay buttons are its children.
class BoardView final : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(QWidget* parent = nullptr);

    // The game to draw and to send clicks to; until it is set the view shows the white buffer.
    void setSession(GameSession* session) { session_ = session; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Remakes the back buffer and the disc sheet when the window's screen has another density
    // than they were made for; the next paint fills the new buffer completely.
    void matchScreenDensity();

    QtSurface backBuffer_;
    QtSurface sprites_;
    GameSession* session_ = nullptr;
};

}  // namespace discada
