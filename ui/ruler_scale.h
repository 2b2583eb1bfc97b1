// Where the marks and numbers of a preview ruler go: inches or centimetres
// along a horizontal or vertical ruler of `length` pixels that shows the
// canvas at a zoom and scroll offset.
#pragma once

#include <vector>

struct RulerMark {
    int position;   // pixels from the ruler's start
    bool longMark;  // a long mark starts at half the thickness, a short one at three quarters
    bool numbered;  // a number goes with the mark
    int number;
};

// Marks in drawing order, none at or beyond `length`. `unit` 1 inches, 0
// centimetres; `offset` in hundredths of an inch.
std::vector<RulerMark> RulerMarks(int unit, bool vertical, int zoom, int offset, int length);

// The position at which a mark's number is drawn in the first pass (the
// second pass adds one pixel), and whether it is drawn at all: only with at
// least 14 pixels left before the end.
int RulerNumberPosition(int unit, const RulerMark& mark);
bool RulerNumberFits(int unit, const RulerMark& mark, int length);
