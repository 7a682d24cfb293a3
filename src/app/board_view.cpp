#include "app/board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/disc_sheet.h"
#include "game/game_session.h"
#include "game/window_layout.h"

namespace discada {

BoardView::BoardView(QWidget* parent)
    : QWidget(parent), backBuffer_(kBackBufferWidth, kBackBufferHeight), sprites_(discSheet(1.0)) {
    setFixedSize(kClientWidth, kClientHeight);
    // The whole area comes from the back buffer: nothing is erased before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A right-button press does nothing: no context menu, here or from the main window.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void BoardView::matchScreenDensity() {
    const qreal ratio = devicePixelRatioF();
    if (qFuzzyCompare(backBuffer_.ratio(), ratio)) return;
    backBuffer_ = QtSurface(kBackBufferWidth, kBackBufferHeight, ratio);
    sprites_ = discSheet(ratio);
}

void BoardView::paintEvent(QPaintEvent* /*event*/) {
    matchScreenDensity();
    if (session_ != nullptr) session_->paint(backBuffer_, sprites_);
    QPainter painter(this);
    painter.drawImage(0, 0, backBuffer_.image());
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || session_ == nullptr) return;
    const QPoint at = event->position().toPoint();
    session_->click(at.x(), at.y());
}

}  // namespace discada
