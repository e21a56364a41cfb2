#pragma once

#include "dvr_protocol/cgi_request.pb.h"

#include <QtGlobal>

class CConnectDVR;
class CSendCommand;

// The commands the main window sends to a connected DVR, in the DVR's
// dialect, through the sender it is given: which channels its stream
// carries, record on the DVR, and remote playback control. Each names the
// DVR's video stream by the controller's client id.
class CViewerCommands {
public:
    // Old-dialect operations of MODE 5.
    static constexpr int OLD_OP_CHANNELS = 3;
    static constexpr int OLD_OP_PLAYBACK = 8;
    static constexpr int OLD_OP_RECORD = 11;

    explicit CViewerCommands(CSendCommand* sender);

    // The channels (a mask) the DVR streams from its next frame, video and
    // audio alike; an empty mask leaves the stream with status only. The
    // new dialect names the stream's kind (live or playback) and may let
    // the DVR choose main or sub stream; the old one sends the mask in
    // lower-case hexadecimal to the video and to the audio stream. The
    // controller's links learn what was asked: an old-dialect DVR asked for
    // no channel may fall silent without failing.
    void selectChannels(CConnectDVR& controller, quint32 channels, cgi::AutoStream autoStream);
    // The DVR starts or stops its own recording.
    void recordOnDvr(const CConnectDVR& controller);
    void playbackControl(const CConnectDVR& controller, cgi::PbControl::Cmd cmd);

    // The old dialect's REQ code of a playback command; 1 (stop) for a
    // command it does not know.
    static int oldPlaybackRequest(int cmd);

private:
    CSendCommand* m_sender;
};
