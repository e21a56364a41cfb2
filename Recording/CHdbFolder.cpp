#include "Recording/CHdbFolder.h"

#include "Common/CSearchDataParser.h"

#include <QDir>
#include <QFile>
#include <climits>
#include <cstring>

namespace {
const int MAX_CHANNELS = 16;
} // namespace

QFileInfoList CHdbFolder::list(const QString& folder)
{
    return QDir(folder).entryInfoList(
        {QStringLiteral("*.hdb")}, QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
}

int CHdbFolder::read(const QFileInfoList& files, CSearchDataParser* parser, HdbFileHeader* header)
{
    int read = 0;
    for (const QFileInfo& info : files) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly) || file.size() > INT_MAX)
            continue;
        const QByteArray bytes = file.readAll();
        const HdbFileHeader expected;
        HdbFileHeader found;
        if (bytes.size() >= HdbFileHeader::SIZE)
            std::memcpy(&found, bytes.constData(), HdbFileHeader::SIZE);
        if (bytes.size() < HdbFileHeader::SIZE || std::memcmp(found.code, expected.code, sizeof found.code) != 0
            || found.version != expected.version || found.channelCount < 1 || found.channelCount > MAX_CHANNELS) {
            qDebug("[ERROR] not a minute database: %s", qPrintable(info.filePath()));
            continue;
        }
        *header = found;
        parser->setLocalData(bytes.constData() + HdbFileHeader::SIZE, int(bytes.size() - HdbFileHeader::SIZE));
        ++read;
    }
    return read;
}
