#pragma once

#include <QObject>
#include <memory>

class TestDvr;

// The playback side of a test DVR: once made, its playback and backup
// streams follow the recording schedule of TestDvrRecordings (frames only
// at recorded times, with the kinds as record reasons; skip mode jumps
// gaps; a backup ends at its end time or where the recordings end), and a
// running playback stream obeys the playback commands of both dialects
// (cgi::PbControl in mode 5; "MODE=5&CID=..&OP=8&LEN=1&REQ=..") and reports
// its mode in its playback status (old dialect: in its frame headers).
class TestDvrPlayback : public QObject {
    Q_OBJECT

public:
    static TestDvrPlayback* of(TestDvr* dvr);

    // The playback-mode code of the last stream with that client id; -1
    // when there is none.
    int mode(int streamId) const;

private:
    struct State;

    explicit TestDvrPlayback(TestDvr* dvr);

    std::shared_ptr<State> m_state;
};
