// Seven-segment figures: every segment is a set of pixels bounded by straight and diagonal
// lines, so the mitres line up exactly and the gaps are one clean diagonal pixel wide.
#include "seven_segment.h"

#include <array>
#include <cstdlib>

namespace {

enum Segment { kTop, kUpperRight, kLowerRight, kBottom, kLowerLeft, kUpperLeft, kMiddle };

// Segments lit for each digit, in the order above.
constexpr std::array<std::array<bool, 7>, 10> kDigitSegments = {{
    {true, true, true, true, true, true, false},     // 0
    {false, true, true, false, false, false, false}, // 1
    {true, true, false, true, true, false, true},    // 2
    {true, true, true, true, false, false, true},    // 3
    {false, true, true, false, false, true, true},   // 4
    {true, false, true, true, false, true, true},    // 5
    {true, false, true, true, true, true, true},     // 6
    {true, true, true, false, false, false, false},  // 7
    {true, true, true, true, true, true, true},      // 8
    {true, true, true, true, false, true, true},     // 9
}};

// Pixel (x, y) counted from the figure's top-left corner, with the distances to the far edges.
struct Local {
    int x;
    int y;
    int fromRight;
    int fromBottom;
    int middle; // row of the middle segment's centre line
};

// A horizontal bar at the outer edge: its ends are cut at 45 degrees, shorter inside.
bool InOuterBar(int depth, int x, int fromRight, int thickness) {
    return depth < thickness && x - depth >= 1 && fromRight - depth >= 1;
}

// A vertical bar: mitred against the outer bar at one end, cut towards the middle at the other.
bool InColumn(int across, int fromEnd, int towardsMiddle, int thickness) {
    return across < thickness && fromEnd - across >= 1 && towardsMiddle - across >= 1;
}

bool InSegment(Segment segment, const Local& p, const SegmentFigure& figure) {
    const int t = figure.thickness;
    switch (segment) {
    case kTop:
        return InOuterBar(p.y, p.x, p.fromRight, t);
    case kBottom:
        return InOuterBar(p.fromBottom, p.x, p.fromRight, t);
    case kUpperLeft:
        return InColumn(p.x, p.y, p.middle - p.y, t);
    case kUpperRight:
        return InColumn(p.fromRight, p.y, p.middle - p.y, t);
    case kLowerLeft:
        return InColumn(p.x, p.fromBottom, p.y - p.middle, t);
    case kLowerRight:
        return InColumn(p.fromRight, p.fromBottom, p.y - p.middle, t);
    case kMiddle: {
        const int off = std::abs(p.y - p.middle);
        return off <= figure.middleHalf && p.x - off >= 1 && p.fromRight - off >= 1;
    }
    }
    return false;
}

} // namespace

void DrawSevenSegmentDigit(Canvas& canvas, const SegmentFigure& figure, int digit,
                           std::uint8_t colour) {
    const auto& lit = kDigitSegments[static_cast<std::size_t>(digit)];
    for (int y = figure.top; y <= figure.bottom; ++y) {
        for (int x = figure.left; x <= figure.right; ++x) {
            const Local p{x - figure.left, y - figure.top, figure.right - x, figure.bottom - y,
                          (figure.bottom - figure.top) / 2};
            for (int s = kTop; s <= kMiddle; ++s) {
                if (lit[static_cast<std::size_t>(s)] &&
                    InSegment(static_cast<Segment>(s), p, figure)) {
                    canvas.Set(x, y, colour);
                }
            }
        }
    }
}
