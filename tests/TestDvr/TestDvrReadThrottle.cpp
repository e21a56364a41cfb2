#include "TestDvrReadThrottle.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

TestDvrReadThrottle::TestDvrReadThrottle(
    QTcpSocket* socket, qint64 bytesPerSecond, std::function<void()> ready, QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_bytesPerTick(std::max<qint64>(1, bytesPerSecond * TICK_MS / 1000))
    , m_timer(new QTimer(this))
{
    m_socket->setReadBufferSize(m_bytesPerTick);
    connect(m_timer, &QTimer::timeout, this, [this, ready] {
        m_allowance = m_bytesPerTick;
        ready();
    });
    m_timer->start(TICK_MS);
}

QByteArray TestDvrReadThrottle::read()
{
    const QByteArray bytes = m_socket->read(m_allowance);
    m_allowance -= bytes.size();
    return bytes;
}
