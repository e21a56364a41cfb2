#pragma once

#include "Common/CDecodeVideo.h"
#include "Common/CFrameInfo.h"
#include "Common/DisplayDvrInfo.h"

#include <QByteArray>

class CDisplayInfo;

// Turns the full-video frames of a map's cameras into pictures for their
// video windows, on the GUI thread: one decoder entry per camera present
// when the map was shown (camera k, entry k). Cameras added later have no
// entry and get no pictures.
class CEMapDecoder {
public:
    // Only the first call has an effect.
    void init(int cameras);
    void deinit();
    bool hasEntry(int camera) const { return camera >= 0 && camera < m_decoder.EntryCount(); }
    // The camera's next picture starts at an I frame.
    void restart(int camera);

    // The picture of a frame (read into `header`) for a camera, with the
    // channel's state marks; false when the frame yields none. The record
    // holds its own copy of the pixels: a screen keeps its record and may
    // draw it again after the entry's buffer has changed.
    bool decode(int camera, const DISPLAY_DVR_INFO& info, const QByteArray& frame, const CFrameInfo& header,
        CDisplayInfo* picture);

private:
    CDecodeVideo m_decoder;
};
