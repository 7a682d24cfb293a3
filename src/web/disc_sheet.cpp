#include "web/disc_sheet.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "board/disc_sheet.h"

namespace discada {

namespace {

constexpr PixelScale kHighDensity(2, 1);
// The sheets are embedded in the module's own file system under these names.
constexpr const char* kSheetPath = "/PIECE_IMG.bmp";
constexpr const char* kHighDensitySheetPath = "/PIECE_IMG_2x.bmp";

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t readLe(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::optional<WebSurface> decodeBmp(std::string_view bytes, double ratio) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.substr(0, 2) != "BM")
        return std::nullopt;
    const std::uint32_t offset = readLe(bytes, 10, 4);
    const int width = static_cast<std::int32_t>(readLe(bytes, 18, 4));
    const int signedHeight = static_cast<std::int32_t>(readLe(bytes, 22, 4));
    const std::uint32_t bitsPerPixel = readLe(bytes, 28, 2);
    const std::uint32_t compression = readLe(bytes, 30, 4);
    const int height = std::abs(signedHeight);
    if (width <= 0 || height <= 0 || bitsPerPixel != 24 || compression != 0) return std::nullopt;
    // Rows are padded to whole 32-bit words.
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (offset > bytes.size() || bytes.size() - offset < stride * height) return std::nullopt;

    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
        // A positive height stores the bottom row first.
        const int y = signedHeight > 0 ? height - 1 - row : row;
        const std::size_t from = offset + stride * static_cast<std::size_t>(row);
        for (int x = 0; x < width; ++x) {
            const std::size_t at = from + 3 * static_cast<std::size_t>(x);
            const Colour colour =
                rgb(static_cast<std::uint8_t>(bytes[at + 2]),
                    static_cast<std::uint8_t>(bytes[at + 1]), static_cast<std::uint8_t>(bytes[at]));
            pixels[static_cast<std::size_t>(y) * width + x] = WebSurface::pixelOf(colour);
        }
    }
    return WebSurface(width, height, ratio, std::move(pixels));
}

WebSurface discSheet(double ratio) {
    const PixelScale scale = PixelScale::ofRatio(ratio);
    const bool fine = scale == kHighDensity;
    if (!fine && scale != PixelScale(1, 1)) {
        SheetPixels drawn = drawDiscSheet(scale);
        std::vector<std::uint32_t> pixels;
        pixels.reserve(drawn.pixels.size());
        for (const Colour colour : drawn.pixels)
            pixels.push_back(WebSurface::pixelOf(colour));
        return WebSurface(drawn.width, drawn.height, ratio, std::move(pixels));
    }
    const std::string bytes = readFile(fine ? kHighDensitySheetPath : kSheetPath);
    std::optional<WebSurface> sheet = decodeBmp(bytes, ratio);
    // The sheets are part of the module: a broken one is a broken build.
    if (!sheet) std::abort();
    return std::move(*sheet);
}

}  // namespace discada
