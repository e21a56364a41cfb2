#include "TestDvrChannelSelect.h"

#include "TestDvr.h"
#include "TestDvrAnswers.h"
#include "TestDvrStreams.h"

namespace {

const int AUDIO_STREAM_OFFSET = 100;

} // namespace

void TestDvrChannelSelect::install(TestDvr* dvr)
{
    TestDvrStreams* streams = dvr->streams();
    dvr->setHandler(TestDvrRequest::NewDialect, cgi::MODE_STREAM_CHANNEL,
        [streams](const TestDvrRequest& request, const TestDvrContent&) {
            cgi::StreamChannel selection;
            if (!request.dataDecoded || !selection.ParseFromString(request.data.toStdString()))
                return TestDvrReply::http(400);
            const int id = static_cast<int>(selection.stream_id());
            streams->changeChannels(id, selection.vchmask(), selection.header_only_mask());
            streams->changeAudioChannels(id, selection.achmask());
            streams->changeAudioChannels(id + AUDIO_STREAM_OFFSET, selection.achmask());
            return TestDvrReply::http(200);
        });

    const TestDvr::Handler before = dvr->handler(TestDvrRequest::OldDialect, OLD_COMMAND_MODE);
    dvr->setHandler(TestDvrRequest::OldDialect, OLD_COMMAND_MODE,
        [streams, before](const TestDvrRequest& request, const TestDvrContent& content) {
            if (request.decodedParam("OP").toInt() != OLD_OP_CHANNELS)
                return before ? before(request, content) : TestDvrAnswers::standard(request, content);
            bool idOk = false;
            bool maskOk = false;
            const int id = request.decodedParam("CID").toInt(&idOk);
            const quint32 mask = request.decodedParam("CH").toUInt(&maskOk, 16);
            if (!idOk || !maskOk)
                return TestDvrReply::http(400);
            // An old video stream carries no audio, an audio stream no video.
            streams->changeChannels(id, mask, 0);
            streams->changeAudioChannels(id, mask);
            return TestDvrReply::http(200);
        });
}
