#pragma once

#include "Connection/CHttpConnect.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QString>
#include <ctime>

// The queries of a streaming link, in the DVR's dialect: the stream request
// sent as "GET /cgi-bin/webapp.cgi?<query>\r\n\r\n" and the stop request
// posted when the link ends. Old-dialect ids and passwords travel as they
// stand (COldQuery). An empty query means the DVR could not take it: it must
// not be sent, and *result (when given) says why: a cgi::Data2Url result for
// a new-dialect request over the DVR's size limits, or
// COldQuery::CREDENTIAL_REFUSED for an id or password that an old-dialect
// query cannot carry.
class CStreamQuery {
public:
    // The video (live, E-Map, playback or backup) request.
    static QString video(const DVR& dvr, const CHttpConnect::ConnParam& request, int* result = nullptr);
    // The audio request beside the video link whose client id is given; it
    // is the old dialect's literal query whatever the DVR's dialect.
    static QString audio(
        const DVR& dvr, const CHttpConnect::ConnParam& request, int videoClientId, int* result = nullptr);
    // The stop request of a stream. An old-dialect audio link names its own
    // stream, the video client id + 100, as its request did. A new-dialect
    // audio link has none (empty): there the video link's stop ends both
    // streams, and ids above 100 belong to other viewers.
    static QString stop(const DVR& dvr, int clientId, bool audioLink);

    // Old-dialect date-times: the DVR's wall clock as "yyMMddhhmmss".
    static QString oldTime(time_t seconds);

    static constexpr int OLD_VERSION = 3000;
    static constexpr int AUDIO_CLIENT_ID_OFFSET = 100;
};
