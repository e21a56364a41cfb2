#pragma once

#include <QByteArray>
#include <QList>

// Builds the old dialect's search reply: 32-byte big-endian records of start,
// end, an unread word, a channel mask and one kind byte per channel. The DVR
// sends a leading record that readers skip and ends with a terminator.
class TestDvrOldSearch {
public:
    static QByteArray record(qint32 start, qint32 end, quint32 mask, const QList<quint8>& kinds);
    static QByteArray terminator(); // start = end = -1, mask 255
    static QByteArray reply(const QList<QByteArray>& records);
};
