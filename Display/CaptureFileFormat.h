#pragma once

// The snapshot file format; stored in the CaptureFileFormat setting. Any value
// other than JPEG means PNG.
struct CAPTURE_FILEFORMAT {
    enum ENUM {
        JPEG = 0,
        PNG = 1,
    };
};
