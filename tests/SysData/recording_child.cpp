// Records a synthetic four-channel stream to raw files until it is killed.
// The DVR time runs far faster than the clock: every loop pass is a fifth of
// a DVR second. Prints "minute N" once DVR minute N has begun: its first
// frames, and so the record of minute N - 1, are written.
#include "RecordingFeed.h"
#include "Settings/CAppSettings.h"
#include "SysData/CRecord.h"
#include "dvr_protocol/cgi_response.pb.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QStandardPaths::setTestModeEnabled(true);
    CAppSettings settings;
    settings.writeSetting("Record", QString::fromLocal8Bit(argv[1]));
    settings.writeSetting("FileFormat", 0);
    if (settings.save() != CWholeFileWriter::Result::Written)
        return 1;

    cgi::DvrInfo info;
    info.set_ch_num(4);
    CRecord recorder;
    if (!recorder.start("DVR", info, 0))
        return 1;

    const QByteArray key = RecordingFeed::nal(0x65, 3000);
    const QByteArray p = RecordingFeed::nal(0x41, 700);
    for (quint32 n = 0;; ++n) {
        for (int channel = 0; channel < 4; ++channel) {
            const int type = n % 5 == 0 ? 0 : 1;
            recorder.writeFrame(false,
                RecordingFeed::newFrame(type, channel, RecordingFeed::T10 + n / 5, n % 5 * 200000, type ? p : key, 1));
        }
        if (n % 300 == 0) {
            std::printf("minute %u\n", n / 300);
            std::fflush(stdout);
        }
        if (n >= 4 * 300)
            QThread::usleep(200);
    }
}
