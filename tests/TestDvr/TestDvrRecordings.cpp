#include "TestDvrRecordings.h"

#include "Common/CDateTime.h"
#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrOldSearch.h"

// Shared with the DVR's handlers, which may outlive this object while the
// DVR is destroyed.
struct TestDvrRecordings::State {
    mutable QMutex mutex;
    TestDvrSchedule schedule;
    quint32 clock = 0;
    quint32 version = 1;
};

namespace {

const int OLD_MODE_SEARCH = 7;

QByteArray oldReply(const TestDvrSchedule& schedule)
{
    QList<QByteArray> records;
    for (const TestDvrSchedule::Span& span : schedule.spans()) {
        QList<quint8> kinds;
        for (quint8 kind : span.kinds)
            kinds.append(kind == 0 ? 0 : quint8(kind - 1));
        for (quint64 minute = span.start / 60 * 60; minute < span.end; minute += 60) {
            const quint64 start = qMax<quint64>(minute, span.start);
            const quint64 end = qMin<quint64>(minute + 59, span.end - 1);
            records.append(TestDvrOldSearch::record(qint32(start), qint32(end), span.channels, kinds));
        }
    }
    return TestDvrOldSearch::reply(records);
}

cgi::CalData newReply(const TestDvrSchedule& schedule, const cgi::Search& search, quint32 clock, quint32 version)
{
    cgi::CalData reply;
    reply.set_dvr_time(clock ? clock : quint32(CDateTime::currentWallClock()));
    reply.set_version(version);
    reply.mutable_header()->set_ch_num(16);
    for (const TestDvrSchedule::Span& span : schedule.overlapping(search.start_time(), search.end_time())) {
        cgi::CalItem* item = reply.add_items();
        item->set_start_time(span.start);
        item->set_end_time(span.end);
        item->set_record_chmask(span.channels);
        for (quint8 kind : span.kinds)
            item->add_record_reason(kind);
    }
    if (search.hours_include()) {
        for (const CDateHour& hour : schedule.hours()) {
            cgi::CalHourItem* item = reply.add_hours();
            item->set_year(quint32(hour.date.year));
            item->set_mon(quint32(hour.date.month));
            item->set_mday(quint32(hour.date.day));
            item->set_hour(quint32(hour.hour));
        }
    }
    return reply;
}

} // namespace

TestDvrRecordings::TestDvrRecordings(TestDvr* dvr)
    : QObject(dvr)
    , m_state(std::make_shared<State>())
{
    const std::shared_ptr<State> state = m_state;
    dvr->setHandler(TestDvrRequest::NewDialect, cgi::MODE_SEARCH,
        [state](const TestDvrRequest& request, const TestDvrContent& content) {
            cgi::Search search;
            if (!request.dataDecoded || !search.ParseFromString(request.data.toStdString()))
                return TestDvrReply::http(400);
            QMutexLocker lock(&state->mutex);
            const cgi::CalData reply = newReply(state->schedule, search, state->clock, state->version);
            return TestDvrReply::http(
                200, TestDvrAnswers::messagePacket(content.clientId, content.calendarPacketType, reply));
        });
    dvr->setHandler(TestDvrRequest::OldDialect, OLD_MODE_SEARCH, [state](const TestDvrRequest&, const TestDvrContent&) {
        QMutexLocker lock(&state->mutex);
        return TestDvrReply::http(200, oldReply(state->schedule));
    });
}

TestDvrRecordings* TestDvrRecordings::of(TestDvr* dvr)
{
    TestDvrRecordings* recordings = dvr->findChild<TestDvrRecordings*>(QString(), Qt::FindDirectChildrenOnly);
    return recordings ? recordings : new TestDvrRecordings(dvr);
}

void TestDvrRecordings::setSchedule(const TestDvrSchedule& schedule)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->schedule = schedule;
}

TestDvrSchedule TestDvrRecordings::schedule() const
{
    QMutexLocker lock(&m_state->mutex);
    return m_state->schedule;
}

void TestDvrRecordings::setClock(quint32 seconds)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->clock = seconds;
}

void TestDvrRecordings::setVersion(quint32 version)
{
    QMutexLocker lock(&m_state->mutex);
    m_state->version = version;
}
