#pragma once

// Where the frames of a screen come from.
namespace DISPLAY_MODE {
enum ENUM {
    LIVE = 0,
    PLAYBACK = 1, // remote playback or backup stream from a DVR
    LOCAL_PLAYBACK = 2, // local recording files; the only mode with decode threads
};
} // namespace DISPLAY_MODE
