// Seven-segment figures for the clock and the feedback counts: hexagonal segments with
// mitred corners, pointed ends at the middle and a one-pixel gap wherever two segments meet.
#pragma once

#include "canvas.h"

struct SegmentFigure {
    int left;       // first column of the figure
    int top;        // first row
    int right;      // last column
    int bottom;     // last row; bottom - top must be even, the middle segment sits halfway
    int thickness;  // of the six outer segments
    int middleHalf; // the middle segment is 2 * middleHalf + 1 rows thick
};

// Draws digit 0..9 in the figure's box; segments that are off are left untouched.
void DrawSevenSegmentDigit(Canvas& canvas, const SegmentFigure& figure, int digit,
                           std::uint8_t colour);
