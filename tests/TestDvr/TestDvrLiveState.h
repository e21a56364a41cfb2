#pragma once

#include "dvr_protocol/cgi_response.pb.h"

#include <QtGlobal>
#include <mutex>

// The per-channel live state of a test DVR (record, motion, sensor and
// video loss), changeable while its streams run. Every running live stream
// sends a change at once: in the new dialect its next packet is a live
// status, in the old one its next frame headers carry the change. Until a
// test sets it, streams report their content's live status. Any thread.
class TestDvrLiveState {
public:
    enum Flag { Record, Motion, Sensor, VideoLoss };

    void set(const cgi::LiveStatus& status);
    void setFlag(int channel, Flag flag, bool on);

    // The state; *version counts the changes (0: never set).
    cgi::LiveStatus status(quint64* version) const;
    quint64 version() const;

private:
    mutable std::mutex m_mutex;
    cgi::LiveStatus m_status;
    quint64 m_version = 0;
};
