#pragma once

#include "Common/CListFileStatus.h"

#include <QByteArray>
#include <QString>

namespace google::protobuf {
class MessageLite;
}

// A list file: a fixed ASCII code followed by one serialized message, with no
// length and no checksum. Saving replaces the file whole or not at all, and a
// file in place that cannot be read as a list is moved aside first, so a list
// the operator built is never lost.
class CPBFile {
public:
    // Larger files are not read: no list comes near this size.
    static constexpr qint64 MAX_FILE_SIZE = 64 * 1024 * 1024;

    CPBFile(const QString& path, const QByteArray& code);

    // Replaces the message's content with the file's. When the result is not
    // Ok the message is left empty and the file untouched.
    CListFileStatus Load(google::protobuf::MessageLite* message) const;
    CListFileStatus Save(const google::protobuf::MessageLite& message) const;

    const QString& path() const { return m_path; }

private:
    CListFileStatus read(google::protobuf::MessageLite* message) const;
    QString freeAsidePath() const;

    QString m_path;
    QByteArray m_code;
};
