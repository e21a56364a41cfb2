#include "QUpFile.h"

#include <QFile>
#include <cstring>

QUpFile::QUpFile(const QString& filePath, const QByteArray& head, const QByteArray& tail, QObject* parent)
    : QIODevice(parent)
    , m_file(new QFile(filePath, this))
    , m_head(head)
    , m_tail(tail)
{
}

bool QUpFile::openFile()
{
    if (!m_file->open(QIODevice::ReadOnly))
        return false;
    m_fileSize = m_file->size();
    m_pos = 0;
    // Unbuffered: every read comes straight from readData at pos().
    return open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void QUpFile::close()
{
    m_file->close();
    m_pos = 0;
    QIODevice::close();
}

qint64 QUpFile::size() const
{
    return m_head.size() + m_fileSize + m_tail.size();
}

bool QUpFile::seek(qint64 pos)
{
    if (pos < 0 || pos > size() || !QIODevice::seek(pos))
        return false;
    m_pos = pos;
    return true;
}

qint64 QUpFile::readData(char* data, qint64 maxSize)
{
    if (!m_file->isOpen())
        return -1;
    const qint64 headEnd = m_head.size();
    const qint64 fileEnd = headEnd + m_fileSize;
    qint64 served = 0;
    while (served < maxSize && m_pos < size()) {
        const qint64 wanted = maxSize - served;
        qint64 count = 0;
        if (m_pos < headEnd) {
            count = qMin(wanted, headEnd - m_pos);
            std::memcpy(data + served, m_head.constData() + m_pos, size_t(count));
        } else if (m_pos < fileEnd) {
            const qint64 offset = m_pos - headEnd;
            if (m_file->pos() != offset && !m_file->seek(offset))
                count = -1;
            else
                count = m_file->read(data + served, qMin(wanted, fileEnd - m_pos));
            if (count <= 0) {
                // The file shrank or failed: a short body would be taken as the whole file.
                setErrorString(tr("The file changed while it was being sent"));
                return served > 0 ? served : -1;
            }
        } else {
            count = qMin(wanted, size() - m_pos);
            std::memcpy(data + served, m_tail.constData() + (m_pos - fileEnd), size_t(count));
        }
        served += count;
        m_pos += count;
    }
    return served;
}

qint64 QUpFile::writeData(const char*, qint64)
{
    return -1;
}
