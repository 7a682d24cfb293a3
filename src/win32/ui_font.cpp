#include "win32/ui_font.h"

namespace discada {

HFONT createUiFont(LONG lineHeight, const DisplayScale& scale) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font{};
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != 0)
        font = metrics.lfMessageFont;
    if (lineHeight != 0) {
        font.lfHeight = scale.pixels(lineHeight);
        font.lfWidth = 0;
    } else {
        // The system gives the size for its own scale.
        const int systemDpi = systemScale().dpi();
        font.lfHeight = ::MulDiv(font.lfHeight, scale.dpi(), systemDpi);
        font.lfWidth = ::MulDiv(font.lfWidth, scale.dpi(), systemDpi);
    }
    return ::CreateFontIndirectW(&font);
}

}  // namespace discada
