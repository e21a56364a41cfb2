#pragma once

#include "Common/CLinkFailure.h"
#include "Common/CVideoPicture.h"

#include <QImage>
#include <QMetaType>
#include <QString>
#include <cstdint>

// What one screen of the wall shows: a decoded picture or a failed state, with
// the channel it belongs to and its overlay flags. A failed state keeps what
// happened, not its text: statusText() words it in the language chosen when
// the wall shows it. Filled on the decoding thread and handed to the GUI
// thread by value; the picture is the record's own (never written while the
// record holds it).
//
// A decoded picture comes as an RGB image, or, for walls that convert on the
// graphics card, as a planar YUV picture with a null image.
class CDisplayInfo {
public:
    CDisplayInfo() = default;

    void clear() { *this = CDisplayInfo(); }
    bool operator==(const CDisplayInfo& other) const;
    bool operator!=(const CDisplayInfo& other) const { return !(*this == other); }
    bool hasPicture() const { return !image.isNull() || !picture.isNull(); }
    QSize pictureSize() const { return image.isNull() ? QSize(picture.width(), picture.height()) : image.size(); }
    // The failure's text in the language chosen now; empty for a picture.
    QString statusText() const { return failure.text(); }
    // What the on-screen display names the screen by: a failed state its
    // failure, worded now, anything else the DVR's name.
    QString shownName() const { return status ? statusText() : name; }

    QImage image; // RGB888; null for status records
    int channel = -1; // DVR channel of the source; -1 when the record holds nothing
    int screen = -1; // absolute screen number
    bool record = false;
    bool motion = false;
    bool sensor = false;
    QString name; // the DVR name
    QString title; // the channel title
    bool videoLoss = false;
    bool authority = true;
    bool status = false; // the failed state, whose reason is failure (null when it has no text)
    CLinkFailure failure;
    uint32_t length = 0; // bytes of the source frame, header included
    CVideoPicture picture; // planar YUV; null when the picture is in image
    // The planar picture already shrunk to its tile's size (as it was when
    // the picture was made) on the decoding thread, as RGB32; null when the
    // tile does not shrink it. The picture stays whole beside it.
    QImage tileImage;
    uint32_t localRun = 0; // the local playback run that made it; 0 for live and remote playback
    uint32_t clears = 0; // the wall's clears before its frame came
};

Q_DECLARE_METATYPE(CDisplayInfo)
