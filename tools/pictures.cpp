// Pixel layout of every bitmap: sizes and positions are fixed by the game's artwork rules,
// the shapes (disc outline, segment bevels) are drawn here.
#include "pictures.h"

#include "seven_segment.h"

#include <array>

namespace {

constexpr int kPegSize = 25;

constexpr SegmentFigure kLargeFigure{1, 1, 22, 33, 4, 2};
constexpr SegmentFigure kSmallFigure{0, 3, 10, 19, 2, 1};

} // namespace

std::uint8_t PegColour(int colourIndex) {
    static constexpr std::array<std::uint8_t, 6> colours = {kRed,  kYellow,  kGreen,
                                                            kBlue, kDarkRed, kMagenta};
    return colours[static_cast<std::size_t>(colourIndex)];
}

Canvas Peg(int colourIndex) {
    Canvas canvas(kPegSize, kPegSize, kLightGrey);
    FillDisc(canvas, kPegDiscLeft, kPegDiscLeft, PegDisc(), PegColour(colourIndex));
    return canvas;
}

Canvas ButtonUp(int colourIndex) {
    Canvas canvas(kPegSize, kPegSize, kLightGrey);
    const int last = kPegSize - 1;
    // Shadow first, two pixels inside the white outer line of the bottom and right edges;
    // the light top and left edges are drawn over its far ends.
    canvas.FillRect(2, last - 2, last - 1, last - 1, kDarkGrey);
    canvas.FillRect(last - 2, 2, last - 1, last - 1, kDarkGrey);
    canvas.FillRect(0, 0, last, 1, kWhite);
    canvas.FillRect(0, 0, 1, last, kWhite);
    canvas.FillRect(0, last, last, last, kWhite);
    canvas.FillRect(last, 0, last, last, kWhite);
    FillDisc(canvas, kPegDiscLeft, kPegDiscLeft, PegDisc(), PegColour(colourIndex));
    return canvas;
}

Canvas ButtonDown(int colourIndex) {
    Canvas canvas(kPegSize, kPegSize, kWhite);
    canvas.FillRect(1, 1, kPegSize - 2, kPegSize - 2, kLightGrey);
    // Pushed in: the disc one pixel right and one down.
    FillDisc(canvas, kPegDiscLeft + 1, kPegDiscLeft + 1, PegDisc(), PegColour(colourIndex));
    return canvas;
}

Canvas LargeDigit(int digit) {
    Canvas canvas(24, 35, kLightGrey);
    DrawSevenSegmentDigit(canvas, kLargeFigure, digit, kRed);
    return canvas;
}

Canvas Colon() {
    Canvas canvas(12, 35, kLightGrey);
    for (int top : {10, 19}) {
        canvas.FillRect(4, top, 7, top + 5, kRed);
    }
    return canvas;
}

Canvas SmallDigit(int digit) {
    Canvas canvas(11, 23, kLightGrey);
    DrawSevenSegmentDigit(canvas, kSmallFigure, digit, kRed);
    return canvas;
}

Canvas HeaderExact() {
    Canvas canvas(18, 18, kLightGrey);
    FillDisc(canvas, 6, 1, SmallDisc(), kBlue);
    FillDisc(canvas, 6, 10, SmallDisc(), kBlue);
    return canvas;
}

Canvas HeaderColour() {
    Canvas canvas(18, 18, kLightGrey);
    FillDisc(canvas, 1, 1, SmallDisc(), kRed);
    FillDisc(canvas, 10, 1, SmallDisc(), kBlue);
    FillDisc(canvas, 1, 10, SmallDisc(), kBlue);
    FillDisc(canvas, 10, 10, SmallDisc(), kMagenta);
    return canvas;
}
