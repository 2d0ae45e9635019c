// The palette picture and its shared primitives.
#include "canvas.h"

Canvas::Canvas(int width, int height, std::uint8_t fill)
    : width(width), height(height),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

std::uint8_t Canvas::At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

void Canvas::Set(int x, int y, std::uint8_t colour) {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return;
    }
    pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x)] = colour;
}

void Canvas::FillRect(int left, int top, int right, int bottom, std::uint8_t colour) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            Set(x, y, colour);
        }
    }
}

void FillDisc(Canvas& canvas, int left, int top, const std::vector<int>& rowWidths,
              std::uint8_t colour) {
    const int diameter = static_cast<int>(rowWidths.size());
    for (int row = 0; row < diameter; ++row) {
        const int width = rowWidths[static_cast<std::size_t>(row)];
        const int from = left + (diameter - width) / 2;
        canvas.FillRect(from, top + row, from + width - 1, top + row, colour);
    }
}

const std::vector<int>& PegDisc() {
    // 248 pixels, round, and the same seen across as seen down.
    static const std::vector<int> disc = {6,  8,  12, 14, 14, 16, 18, 18, 18,
                                          18, 18, 18, 16, 14, 14, 12, 8,  6};
    return disc;
}

const std::vector<int>& SmallDisc() {
    static const std::vector<int> disc = {3, 5, 7, 7, 7, 5, 3};
    return disc;
}
