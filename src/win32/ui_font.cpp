#include "win32/ui_font.h"

namespace discada {

HFONT createUiFont(LONG lineHeight) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font{};
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != 0)
        font = metrics.lfMessageFont;
    if (lineHeight != 0) {
        font.lfHeight = lineHeight;
        font.lfWidth = 0;
    }
    return ::CreateFontIndirectW(&font);
}

}  // namespace discada
