#include "CPBFile.h"

#include "Common/CWholeFileWriter.h"
#include "dvr_types/KAssert.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>
#include <google/protobuf/message_lite.h>
#include <memory>

CPBFile::CPBFile(const QString& path, const QByteArray& code)
    : m_path(path)
    , m_code(code)
{
}

CListFileStatus CPBFile::Load(google::protobuf::MessageLite* message) const
{
    K_ASSERT(message != NULL, "CPBFile.cpp");
    const CListFileStatus status = read(message);
    switch (status.code()) {
    case CListFileStatus::Missing:
    case CListFileStatus::Unreadable:
        qWarning("error: file open error %s", QFile::encodeName(m_path).constData());
        break;
    case CListFileStatus::InvalidFormat:
        // The same text for every list file; it is the one operators know.
        qWarning("Invalid file format(DVR list)");
        break;
    case CListFileStatus::Damaged:
        qWarning("error: file parse error %s", QFile::encodeName(m_path).constData());
        break;
    default:
        break;
    }
    return status;
}

CListFileStatus CPBFile::read(google::protobuf::MessageLite* message) const
{
    message->Clear();
    const QFileInfo info(m_path);
    if (!info.exists())
        return CListFileStatus(CListFileStatus::Missing, m_path);

    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return CListFileStatus(CListFileStatus::Unreadable, m_path, file.errorString());
    if (file.size() > MAX_FILE_SIZE)
        return CListFileStatus(CListFileStatus::Damaged, m_path, QStringLiteral("file too large"));
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CListFileStatus(CListFileStatus::Unreadable, m_path, file.errorString());

    if (!content.startsWith(m_code))
        return CListFileStatus(CListFileStatus::InvalidFormat, m_path);
    const qsizetype bodySize = content.size() - m_code.size();
    if (!message->ParseFromArray(content.constData() + m_code.size(), static_cast<int>(bodySize))) {
        message->Clear();
        return CListFileStatus(CListFileStatus::Damaged, m_path);
    }
    return CListFileStatus(CListFileStatus::Ok, m_path);
}

CListFileStatus CPBFile::Save(const google::protobuf::MessageLite& message) const
{
    std::string body;
    if (!message.SerializePartialToString(&body))
        return CListFileStatus(CListFileStatus::SaveFailed, m_path, QStringLiteral("list too large"));

    QString asidePath;
    const std::unique_ptr<google::protobuf::MessageLite> probe(message.New());
    if (read(probe.get()).isUnusableFile()) {
        asidePath = freeAsidePath();
        QFile unusable(m_path);
        if (!unusable.rename(asidePath)) {
            qWarning("error: file create error %s", QFile::encodeName(m_path).constData());
            return CListFileStatus(CListFileStatus::SaveFailed, m_path, unusable.errorString());
        }
    }

    QString reason;
    CListFileStatus saved(CListFileStatus::Ok, m_path);
    switch (CWholeFileWriter::write(m_path, m_code + QByteArray::fromStdString(body), &reason)) {
    case CWholeFileWriter::Result::Written:
        break;
    case CWholeFileWriter::Result::Unconfirmed:
        qWarning("error: file sync error %s: %s", QFile::encodeName(m_path).constData(), qPrintable(reason));
        saved = CListFileStatus(CListFileStatus::SaveUnconfirmed, m_path, reason);
        break;
    case CWholeFileWriter::Result::Failed:
        qWarning("error: file create error %s", QFile::encodeName(m_path).constData());
        saved = CListFileStatus(CListFileStatus::SaveFailed, m_path, reason);
        break;
    }
    saved.setAsidePath(asidePath);
    return saved;
}

QString CPBFile::freeAsidePath() const
{
    const QString stem = m_path + QStringLiteral(".invalid-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString candidate = stem;
    for (int n = 1; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = stem + QLatin1Char('-') + QString::number(n);
    return candidate;
}
