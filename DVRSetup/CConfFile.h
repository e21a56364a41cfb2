#pragma once

#include "Common/CWholeFileWriter.h"
#include "sys_conf/proto/dvr_conf.pb.h"

#include <QCoreApplication>
#include <QString>

// A configuration file (".conf"): one serialized config::DvrConf, the same
// bytes a configuration upload carries. Files are written whole through a
// temporary file and a rename, so a failed save leaves the old file as it
// was; a file that cannot be read or parsed changes nothing.
class CConfFile {
    Q_DECLARE_TR_FUNCTIONS(CConfFile)

public:
    static constexpr qint64 MAX_FILE_SIZE = 64 * 1024 * 1024;

    // The bytes of a configuration, as files and uploads hold them.
    static QByteArray serialize(const config::DvrConf& conf);

    // As the whole-file writer has it; *reason says what went wrong, or why
    // the file is not confirmed on the disk.
    static CWholeFileWriter::Result save(const QString& path, const config::DvrConf& conf, QString* reason);
    // An empty text on success, otherwise what went wrong.
    static QString load(const QString& path, config::DvrConf* conf);
};
