#pragma once

// A fixed click and hover area in window pixels, every bound included.
struct PixelBox {
    int left, top, right, bottom;

    constexpr bool contains(int x, int y) const
    {
        return left <= x && x <= right && top <= y && y <= bottom;
    }
};
