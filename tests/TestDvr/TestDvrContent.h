#pragma once

#include "dvr_protocol/cal_data.pb.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QByteArray>

// What the test DVR reports about itself, in both dialects. Every field can
// be replaced by a test; standard() gives a consistent 16-channel DVR.
struct TestDvrContent {
    quint8 clientId = 1; // the stream id a stream answer carries

    // New dialect.
    cgi::DvrInfo dvrInfo;
    cgi::HddInfo hddInfo;
    cgi::SysLog sysLog;
    cgi::PictureControlGet picture;
    QByteArray configuration; // a serialized configuration, passed on as opaque bytes
    cgi::CalData calendar;
    quint8 calendarPacketType = 0; // readers take the search reply without looking at it
    cgi::LiveStatus liveStatus;
    int streamStatusIntervalMs = 200; // between the status packets of a stream answer

    // Old dialect.
    quint8 oldModel = 21; // the model in the stream's identity record
    QByteArray oldInfoPage;
    QByteArray oldSearchReply; // 32-byte big-endian records

    static TestDvrContent standard();
};
