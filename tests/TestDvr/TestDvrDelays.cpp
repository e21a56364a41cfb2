#include "TestDvrDelays.h"

#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrScriptedStream.h"

void TestDvrDelays::install(TestDvr& dvr, TestDvrRequest::Dialect dialect, const QMap<int, int>& delays)
{
    for (auto delay = delays.cbegin(); delay != delays.cend(); ++delay) {
        const int delayMs = delay.value();
        dvr.setHandler(dialect, delay.key(), [delayMs](const TestDvrRequest& request, const TestDvrContent& content) {
            return delayed(TestDvrAnswers::standard(request, content), delayMs);
        });
    }
}

TestDvrReply TestDvrDelays::delayed(const TestDvrReply& reply, int delayMs)
{
    if (reply.stream)
        return reply;
    const QList<TestDvrStream::Chunk> script{{reply.body, delayMs}};
    TestDvrReply late = TestDvrReply::streamed(
        [script](QObject* parent) { return new TestDvrScriptedStream(script, std::nullopt, parent); });
    late.status = reply.status;
    late.contentType = reply.contentType;
    return late;
}
