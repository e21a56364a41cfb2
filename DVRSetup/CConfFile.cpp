#include "CConfFile.h"

#include "sys_conf/types/CConfParser.h"

#include <QFile>

QByteArray CConfFile::serialize(const config::DvrConf& conf)
{
    QByteArray bytes(static_cast<qsizetype>(conf.ByteSizeLong()), Qt::Uninitialized);
    conf.SerializeToArray(bytes.data(), static_cast<int>(bytes.size()));
    return bytes;
}

CWholeFileWriter::Result CConfFile::save(const QString& path, const config::DvrConf& conf, QString* reason)
{
    return CWholeFileWriter::write(path, serialize(conf), reason);
}

QString CConfFile::load(const QString& path, config::DvrConf* conf)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > MAX_FILE_SIZE)
        return tr("The file is too large for a configuration.");
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    if (!CConfParser::parse(bytes, *conf))
        return tr("The file is not a configuration file.");
    return QString();
}
