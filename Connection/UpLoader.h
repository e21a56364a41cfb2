#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUpFile;

// Uploads a file to a DVR as one HTTP POST of a "multipart/form-data" body:
// the file in a part "REQ", one part per key=value pair of the request's
// query, and a part "agree" holding "1". Reports start, progress and the
// outcome by signals. One upload at a time; works in the GUI thread.
class UpLoader : public QObject {
    Q_OBJECT

public:
    explicit UpLoader(QObject* parent = nullptr);
    ~UpLoader() override;

    bool aborted() const { return m_aborted; }
    bool isUploading() const { return m_uploading; }

    // Time without a byte moving after which a later upload fails as a
    // network error; 0, the default, waits until abort().
    void setTimeLimit(int milliseconds);

    // The multipart boundary of later uploads; empty draws a random one for
    // each upload. Tests fix it to compare bodies byte for byte.
    void setBoundary(const QByteArray& boundary);

    // The body around the file's bytes, for a boundary and a query.
    static QByteArray bodyHead(const QByteArray& boundary, const QString& fileName);
    static QByteArray bodyTail(const QByteArray& boundary, const QString& query);

public slots:
    // Starts one upload and returns at once. A second upload while one is
    // running is refused (false, nothing emitted).
    bool upload(const QString& address, int port, const QString& query, const QString& filePath);
    void abort();

signals:
    void started();
    void progress(qint64 bytesSent, qint64 bytesTotal);
    void finished(bool error, bool aborted, const QString& text);

private slots:
    void replyFinished();

private:
    QUpFile* m_device = nullptr;
    QNetworkAccessManager* m_manager;
    QNetworkReply* m_reply = nullptr;
    bool m_aborted = false;
    bool m_uploading = false;
    QByteArray m_fixedBoundary;
    int m_timeLimitMs = 0;
};
