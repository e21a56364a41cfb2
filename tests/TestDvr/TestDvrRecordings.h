#pragma once

#include "TestDvrSchedule.h"

#include <QMutex>
#include <QObject>
#include <memory>

class TestDvr;

// The recordings of a test DVR and its answers to recording searches. Each
// DVR has one schedule, made on first use; it answers
// - a new-dialect search (mode 6, cgi::Search) with the spans overlapping
//   the asked range, whole as a DVR may send them, the hours of the whole
//   schedule when hours_include is set, the DVR's clock and the reply
//   version;
// - the old dialect's "MODE=7&CID=n" with one record per minute of every
//   span, each under a minute long, as those DVRs send them (so schedules
//   for the old dialect span days, not years).
// May be used from any thread; the DVR's other answers (its playback
// streams) can read the same schedule through of().
class TestDvrRecordings : public QObject {
    Q_OBJECT

public:
    static TestDvrRecordings* of(TestDvr* dvr);

    void setSchedule(const TestDvrSchedule& schedule);
    TestDvrSchedule schedule() const;
    // The DVR's time in its replies; 0 (the default): the PC's wall clock
    // read as UTC.
    void setClock(quint32 seconds);
    void setVersion(quint32 version); // 1 by default

private:
    struct State;

    explicit TestDvrRecordings(TestDvr* dvr);

    std::shared_ptr<State> m_state;
};
