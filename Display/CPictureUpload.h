#pragma once

#include <QRect>
#include <QSize>

// What of a picture goes up to its tile's texture: no more than the tile
// shows. A tile drawn smaller than its picture shows about one row in
// `rowStep`, so only every rowStep-th row goes up (the texture is that much
// lower); a zoomed tile shows part of the picture, so only that part goes up
// (with a margin for the filter, into a texture of the whole picture's
// size); a grab, drawn once for a snapshot, takes every pixel. The record
// keeps the whole picture whatever went up.
struct CPictureUpload {
    // Every rowStep-th row, from row 0.
    int rowStep = 1;
    // The picture pixels that go up, in picture coordinates; chroma planes
    // take the matching half.
    QRect source;

    // shown: the part of the picture the tile shows, in picture pixels
    // (a null rectangle: the whole picture, unzoomed).
    static CPictureUpload plan(const QSize& picture, const QSize& tile, const QRectF& shown, bool wholePicture);

    // The texture's rows: the picture's height over the row step, rounded up.
    int textureRows(int pictureHeight) const { return (pictureHeight + rowStep - 1) / rowStep; }
    bool operator==(const CPictureUpload& other) const { return rowStep == other.rowStep && source == other.source; }
    bool operator!=(const CPictureUpload& other) const { return !(*this == other); }
};
