// Where a secondary window opens: wholly inside the screen's available area
// (the screen less its panels), and beside the main window's input boxes
// rather than over them wherever there is room, so that the boxes the
// window reads and writes stay in sight.
//
// Pure arithmetic on screen rectangles in pixels (x to the right, y down);
// the window's rectangle is its outer frame, title bar included.
#pragma once

namespace tarvik {

struct ScreenRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; } // one past the last column
    int bottom() const { return y + height; } // one past the last row
    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool contains(const ScreenRect &other) const;
    int overlapArea(const ScreenRect &other) const;

    friend bool operator==(const ScreenRect &, const ScreenRect &) = default;
};

// The frame shrunk to the available area and placed beside keepClear: to
// its right, left, below or above, wholly inside the area, the side nearest
// the frame's own position first. A side too narrow (or too short) for the
// whole frame still takes it made narrower (shorter), down to its minimum
// size. Where no side has room, the frame goes where it covers keepClear
// least. With an empty keepClear, or a frame already clear of it, the frame
// only moves as far as it must to lie inside the area.
ScreenRect placeWindow(ScreenRect frame, const ScreenRect &available, const ScreenRect &keepClear,
    int minWidth = 0, int minHeight = 0);

} // namespace tarvik
