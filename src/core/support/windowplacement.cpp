// Window placement beside the input boxes; see windowplacement.h.
#include "core/support/windowplacement.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace tarvik {

namespace {

// The position along one axis that keeps [start, start + size) inside
// [low, high), moving as little as it can.
int clampSpan(int start, int size, int low, int high)
{
    return std::max(low, std::min(start, high - size));
}

ScreenRect clampInto(ScreenRect frame, const ScreenRect &area)
{
    frame.x = clampSpan(frame.x, frame.width, area.x, area.right());
    frame.y = clampSpan(frame.y, frame.height, area.y, area.bottom());
    return frame;
}

} // namespace

bool ScreenRect::contains(const ScreenRect &other) const
{
    return other.x >= x && other.y >= y && other.right() <= right() && other.bottom() <= bottom();
}

int ScreenRect::overlapArea(const ScreenRect &other) const
{
    const int w = std::min(right(), other.right()) - std::max(x, other.x);
    const int h = std::min(bottom(), other.bottom()) - std::max(y, other.y);
    return w > 0 && h > 0 ? w * h : 0;
}

ScreenRect placeWindow(ScreenRect frame, const ScreenRect &available, const ScreenRect &keepClear,
    int minWidth, int minHeight)
{
    if (available.isEmpty()) {
        return frame;
    }
    frame.width = std::min(frame.width, available.width);
    frame.height = std::min(frame.height, available.height);
    const ScreenRect inside = clampInto(frame, available);
    if (keepClear.isEmpty() || inside.overlapArea(keepClear) == 0) {
        return inside;
    }
    // The room on each side of keepClear, and the frame there, made smaller
    // to the room when it allows and moved inside the area along the side.
    const int roomRight = available.right() - keepClear.right();
    const int roomLeft = keepClear.x - available.x;
    const int roomBelow = available.bottom() - keepClear.bottom();
    const int roomAbove = keepClear.y - available.y;
    const auto fit = [](int size, int room, int minimum) {
        return size > room && room >= minimum ? room : size;
    };
    const auto beside = [&](int x, int y, int width, int height) {
        return clampInto(ScreenRect { x, y, width, height }, available);
    };
    const int rightWidth = fit(frame.width, roomRight, minWidth);
    const int leftWidth = fit(frame.width, roomLeft, minWidth);
    const int belowHeight = fit(frame.height, roomBelow, minHeight);
    const int aboveHeight = fit(frame.height, roomAbove, minHeight);
    const std::array<ScreenRect, 4> sides {
        beside(keepClear.right(), frame.y, rightWidth, frame.height),
        beside(keepClear.x - leftWidth, frame.y, leftWidth, frame.height),
        beside(frame.x, keepClear.bottom(), frame.width, belowHeight),
        beside(frame.x, keepClear.y - aboveHeight, frame.width, aboveHeight),
    };
    const ScreenRect *best = nullptr;
    long bestScore = std::numeric_limits<long>::max();
    for (const ScreenRect &side : sides) {
        // Clear of the boxes first; then the whole frame; then the shortest move.
        const long covered = side.overlapArea(keepClear);
        const long lost = long(frame.width - side.width) + long(frame.height - side.height);
        const long moved = std::abs(side.x - frame.x) + std::abs(side.y - frame.y);
        const long score = covered * 100000000L + lost * 10000L + moved;
        if (score < bestScore) {
            bestScore = score;
            best = &side;
        }
    }
    return *best;
}

} // namespace tarvik
