#include "TestDvrPlayback.h"

#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrPlaybackCursor.h"
#include "TestDvrRecordings.h"
#include "TestDvrStreams.h"

#include <QHash>
#include <mutex>

// Shared with the DVR's handlers, which may outlive this object while the
// DVR is destroyed.
struct TestDvrPlayback::State {
    mutable std::mutex mutex;
    QHash<int, std::shared_ptr<TestDvrPlaybackCursor>> cursors;

    std::shared_ptr<TestDvrPlaybackCursor> cursor(int id) const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return cursors.value(id);
    }
};

namespace {

const int OLD_COMMAND = 5;
const int OLD_OP_PLAYBACK = 8;

// The old dialect's REQ values, by command.
const int OLD_REQUESTS[] = {4, 6, 5, 1, 8, 7, 2, 3};

} // namespace

TestDvrPlayback::TestDvrPlayback(TestDvr* dvr)
    : QObject(dvr)
    , m_state(std::make_shared<State>())
{
    const std::shared_ptr<State> state = m_state;
    TestDvrRecordings* recordings = TestDvrRecordings::of(dvr);
    dvr->streams()->setPlaybackFactory(
        [state, recordings](const TestDvrMediaStream::Request& request, const TestDvrStreamSettings& settings) {
            const bool backup = request.mode == 2;
            auto cursor = std::make_shared<TestDvrPlaybackCursor>(recordings->schedule(), request.startTime,
                backup ? request.endTime : 0, request.skipMode, settings.fps, settings.playbackCommandLag);
            std::lock_guard<std::mutex> lock(state->mutex);
            state->cursors.insert(request.id, cursor);
            return cursor;
        });
    dvr->setHandler(TestDvrRequest::NewDialect, cgi::MODE_PB_CONTROL,
        [state](const TestDvrRequest& request, const TestDvrContent& content) {
            cgi::PbControl control;
            if (request.dataDecoded && control.ParseFromString(request.data.toStdString())) {
                if (const auto cursor = state->cursor(int(control.stream_id())))
                    cursor->command(control.cmd());
            }
            return TestDvrAnswers::standard(request, content);
        });
    // The old dialect's other commands (channel selection among them) go on
    // to whatever answered them before.
    const TestDvr::Handler before = dvr->handler(TestDvrRequest::OldDialect, OLD_COMMAND);
    dvr->setHandler(TestDvrRequest::OldDialect, OLD_COMMAND,
        [state, before](const TestDvrRequest& request, const TestDvrContent& content) {
            if (request.decodedParam("OP").toInt() != OLD_OP_PLAYBACK)
                return before ? before(request, content) : TestDvrAnswers::standard(request, content);
            if (const auto cursor = state->cursor(request.decodedParam("CID").toInt())) {
                const int wanted = request.decodedParam("REQ").toInt();
                for (int cmd = 0; cmd < int(std::size(OLD_REQUESTS)); ++cmd) {
                    if (OLD_REQUESTS[cmd] == wanted)
                        cursor->command(cgi::PbControl::Cmd(cmd));
                }
            }
            return TestDvrAnswers::standard(request, content);
        });
}

TestDvrPlayback* TestDvrPlayback::of(TestDvr* dvr)
{
    TestDvrPlayback* playback = dvr->findChild<TestDvrPlayback*>(QString(), Qt::FindDirectChildrenOnly);
    return playback ? playback : new TestDvrPlayback(dvr);
}

int TestDvrPlayback::mode(int streamId) const
{
    const auto cursor = m_state->cursor(streamId);
    return cursor ? cursor->mode() : -1;
}
