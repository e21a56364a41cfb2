#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;

// The read-only body of a multipart upload: head bytes, the file's bytes and
// tail bytes, served in that order straight from the file, so the file is
// never held in memory whole. Random access (seek, pos) lets the network
// stack rewind the body when it must send the request again.
class QUpFile : public QIODevice {
    Q_OBJECT

public:
    QUpFile(const QString& filePath, const QByteArray& head, const QByteArray& tail, QObject* parent = nullptr);

    // Opens the file, then the device, both read-only; true when both opened.
    bool openFile();
    void close() override;

    bool isSequential() const override { return false; }
    qint64 size() const override;
    bool seek(qint64 pos) override;

    qint64 sizefull() const { return size(); }
    qint64 sizepart() const { return m_head.size() + m_fileSize; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QFile* m_file;
    QByteArray m_head;
    QByteArray m_tail;
    qint64 m_pos = 0;
    qint64 m_fileSize = 0; // fixed when opened: the body length must not change under the upload
};
