#include "RecordedFolder.h"

#include "Settings/CAppSettings.h"
#include "SysData/CRecord.h"
#include "TestDvrClips.h"
#include "VideoFrameWrapper.h"
#include "WallFeed.h"
#include "dvr_protocol/cgi_response.pb.h"

namespace {
const int FPS = 25;
const int WIDTH = 352;
const int HEIGHT = 240;
} // namespace

QList<QByteArray> RecordedFolder::frames(
    int channels, quint32 from, int seconds, bool audio, int padding, int timedLength)
{
    const QByteArray fillerStart("\0\0\0\1\x0C", 5);
    QList<QByteArray> frames;
    for (int tick = 0; tick < FPS * seconds; ++tick) {
        const quint32 sec = from + quint32(tick / FPS);
        const quint32 usec = quint32(tick % FPS) * (1000000 / FPS);
        for (int channel = 0; channel < channels; ++channel) {
            const QList<TestDvrClips::Frame> loop = TestDvrClips::loop(WIDTH, HEIGHT, channel, 10, 5);
            const TestDvrClips::Frame& picture = loop.at(tick % loop.size());
            const qsizetype fill
                = timedLength > 0 ? timedLength + tick - picture.data.size() - fillerStart.size() : padding;
            const QByteArray filler = fill > 0 ? fillerStart + QByteArray(fill, '\xFF') : QByteArray();
            frames << VideoFrameWrapper::newFrame(
                picture.data + filler, picture.key ? 0 : 1, channel, WIDTH, HEIGHT, sec, usec, 1 + channel % 3);
        }
        if (audio)
            frames << VideoFrameWrapper::newFrame(WallFeed::alawFrame(0).mid(40), 3, 0, WIDTH, HEIGHT, sec, usec);
    }
    return frames;
}

bool RecordedFolder::record(const QList<QByteArray>& frames, int channels)
{
    CRecord recorder;
    cgi::DvrInfo info;
    info.set_ch_num(quint32(channels));
    for (int channel = 0; channel < channels; ++channel)
        info.add_ch_name(QStringLiteral("Camera %1").arg(channel + 1).toStdString());
    if (!recorder.start(QStringLiteral("DVR"), info, 1))
        return false;
    for (const QByteArray& frame : frames)
        recorder.writeFrame(false, frame);
    return recorder.stop();
}

QString RecordedFolder::folder()
{
    return CAppSettings().readSetting(CAppSettings::PATH_LIST.at(2)).toString() + QStringLiteral("/DVR");
}
