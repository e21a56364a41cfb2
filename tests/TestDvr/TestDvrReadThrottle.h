#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>

class QTcpSocket;
class QTimer;

// Reads a client's request no faster than a set rate, as a slow DVR takes an
// upload: the socket's buffer is kept small, so the client's sending (and
// its upload progress) follows the reading in steps.
class TestDvrReadThrottle : public QObject {
    Q_OBJECT

public:
    static constexpr int TICK_MS = 20;

    // ready runs whenever read() may return more.
    TestDvrReadThrottle(QTcpSocket* socket, qint64 bytesPerSecond, std::function<void()> ready, QObject* parent);

    // At most what the rate allows since the last read.
    QByteArray read();

private:
    QTcpSocket* m_socket;
    qint64 m_bytesPerTick;
    qint64 m_allowance = 0;
    QTimer* m_timer;
};
