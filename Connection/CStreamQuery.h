#pragma once

#include "Connection/CHttpConnect.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QString>
#include <ctime>

// The queries of a streaming link, in the DVR's dialect: the stream request
// sent as "GET /cgi-bin/webapp.cgi?<query>\r\n\r\n" and the stop request
// posted when the link ends. Old-dialect ids and passwords are escaped, so
// no character of theirs can add or change a parameter. An empty query means
// the DVR could not take it (a new-dialect request over its size limits): it
// must not be sent.
class CStreamQuery {
public:
    // The video (live, E-Map, playback or backup) request.
    static QString video(const DVR& dvr, const CHttpConnect::ConnParam& request);
    // The audio request beside the video link whose client id is given; it
    // is the old dialect's literal query whatever the DVR's dialect.
    static QString audio(const DVR& dvr, const CHttpConnect::ConnParam& request, int videoClientId);
    // The stop request of a stream; an audio link names its own stream,
    // the video client id + 100, as its request did.
    static QString stop(const DVR& dvr, int clientId, bool audioLink);

    // Old-dialect date-times: the DVR's wall clock as "yyMMddhhmmss".
    static QString oldTime(time_t seconds);

    static constexpr int OLD_VERSION = 3000;
    static constexpr int AUDIO_CLIENT_ID_OFFSET = 100;
};
