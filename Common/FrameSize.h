#pragma once

// A picture size in pixels as a frame header announces it.
struct FrameSize {
    int width = 0;
    int height = 0;

    bool operator==(const FrameSize& other) const { return width == other.width && height == other.height; }
    bool operator!=(const FrameSize& other) const { return !(*this == other); }
};
