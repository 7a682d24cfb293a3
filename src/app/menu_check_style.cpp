#include "app/menu_check_style.h"

#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace discada {

namespace {

// A tick in the text's colour, filling most of the box the base style would have drawn.
void drawCheckMark(const QStyleOption& option, QPainter& painter) {
    const QRectF box = option.rect;
    const QPalette::ColorGroup group =
        option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorRole role =
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.2, box.top() + box.height() * 0.5);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.75);
    tick.lineTo(box.left() + box.width() * 0.8, box.top() + box.height() * 0.22);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(option.palette.color(group, role), qMax(1.5, box.width() / 7.0),
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    painter.restore();
}

}  // namespace

void MenuCheckStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element != PE_IndicatorCheckBox || qobject_cast<const QMenu*>(widget) == nullptr) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (option->state & State_On) drawCheckMark(*option, *painter);
}

}  // namespace discada
