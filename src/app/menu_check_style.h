#pragma once

#include <QProxyStyle>

namespace discada {

// The menus' check marks as the game shows them: a checked item has a bare check mark, an
// unchecked one nothing at all, where the base style draws a box for both.
class MenuCheckStyle final : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace discada
