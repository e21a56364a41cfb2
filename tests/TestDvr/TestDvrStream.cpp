#include "TestDvrStream.h"

#include <QTcpSocket>

TestDvrStream::TestDvrStream(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TestDvrStream::writePending);
}

void TestDvrStream::start(QTcpSocket* socket)
{
    m_socket = socket;
    scheduleNext();
}

void TestDvrStream::finish()
{
    m_timer.stop();
    m_socket = nullptr;
    emit finished();
}

void TestDvrStream::scheduleNext()
{
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    std::optional<Chunk> chunk = nextChunk();
    if (!chunk) {
        emit finished();
        return;
    }
    m_pending = *chunk;
    m_timer.start(qMax(0, m_pending.delayMs));
}

void TestDvrStream::writePending()
{
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    if (m_socket->bytesToWrite() > MAX_UNSENT_BYTES) {
        m_timer.start(10);
        return;
    }
    m_socket->write(m_pending.bytes);
    m_socket->flush();
    scheduleNext();
}
