#pragma once

#include "TestDvrReply.h"
#include "TestDvrRequest.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

class QTcpSocket;
class TestDvr;
class TestDvrReadThrottle;
class TestDvrStream;

// One client connection of the test DVR: reads one request, answers it
// (whole, or by handing the socket to a stream), applies the DVR's fault
// switch, and deletes itself when the connection is gone.
class TestDvrConnection : public QObject {
    Q_OBJECT

public:
    TestDvrConnection(QTcpSocket* socket, TestDvr* dvr);
    ~TestDvrConnection() override;

private:
    void onReadyRead();
    void handle(TestDvrRequest request, bool raw);
    void onDisconnected();
    void respond(TestDvrReply reply, bool raw);
    void writeWhole(const TestDvrReply& reply, bool raw);
    void startStream(const TestDvrReply& reply, bool raw);
    void closeConnection();

    static QByteArray garbled(const QByteArray& bytes);

    QTcpSocket* m_socket;
    TestDvr* m_dvr;
    QByteArray m_buffer;
    bool m_requestTaken = false;
    bool m_closingOurselves = false;
    QPointer<TestDvrStream> m_stream;
    TestDvrReadThrottle* m_throttle = nullptr; // set: requests are read at the DVR's upload rate
};
