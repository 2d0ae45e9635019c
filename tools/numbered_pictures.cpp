// The numbered pictures: a bold pixel numeral on the plain picture's disc, in black or white,
// whichever stands out more from that disc, so that the number reads on every peg colour.
#include "numbered_pictures.h"

#include "pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace {

constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 10;

// Numerals 1 to 6 side by side, a blank column between them. Strokes are two pixels thick so
// that they survive the small size; the 6 curls at the top so that it is not taken for a 5.
constexpr int kGlyphPitch = kGlyphWidth + 1;
// clang-format off
constexpr std::array<std::string_view, kGlyphHeight> kGlyphs = {
    "..##.. .####. .####. ...### ###### ..###.",
    ".###.. ###### ###### ..#### ###### .###..",
    "####.. ##..## ##..## .##.## ##.... ###...",
    "..##.. ....## ....## ##..## #####. ##....",
    "..##.. ...### ..###. ##..## ###### #####.",
    "..##.. ..###. ..###. ###### ....## ######",
    "..##.. .###.. ....## ###### ....## ##..##",
    "..##.. ###... ##..## ....## ##..## ##..##",
    "###### ###### ###### ....## ###### ######",
    "###### ###### .####. ....## .####. .####.",
};
// clang-format on

// Relative luminance of an sRGB colour, as the usual contrast guidelines define it.
double Luminance(Rgb colour) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

double Contrast(std::uint8_t a, std::uint8_t b) {
    const double la = Luminance(kVgaPalette[a]);
    const double lb = Luminance(kVgaPalette[b]);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint8_t NumeralColour(std::uint8_t disc) {
    return Contrast(kBlack, disc) >= Contrast(kWhite, disc) ? kBlack : kWhite;
}

// discLeft is the disc's left column and top row; the numeral sits in its middle.
void DrawNumeral(Canvas& canvas, int colourIndex, int discLeft) {
    const int diameter = static_cast<int>(PegDisc().size());
    const int left = discLeft + (diameter - kGlyphWidth) / 2;
    const int top = discLeft + (diameter - kGlyphHeight) / 2;
    const int first = colourIndex * kGlyphPitch;
    const std::uint8_t colour = NumeralColour(PegColour(colourIndex));
    for (int row = 0; row < kGlyphHeight; ++row) {
        const std::string_view line = kGlyphs[static_cast<std::size_t>(row)];
        for (int column = 0; column < kGlyphWidth; ++column) {
            if (line[static_cast<std::size_t>(first + column)] == '#') {
                canvas.Set(left + column, top + row, colour);
            }
        }
    }
}

} // namespace

Canvas NumberedPeg(int colourIndex) {
    Canvas canvas = Peg(colourIndex);
    DrawNumeral(canvas, colourIndex, kPegDiscLeft);
    return canvas;
}

Canvas NumberedButtonUp(int colourIndex) {
    Canvas canvas = ButtonUp(colourIndex);
    DrawNumeral(canvas, colourIndex, kPegDiscLeft);
    return canvas;
}

Canvas NumberedButtonDown(int colourIndex) {
    Canvas canvas = ButtonDown(colourIndex);
    DrawNumeral(canvas, colourIndex, kPegDiscLeft + 1);
    return canvas;
}
