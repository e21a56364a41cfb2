#include "TestDvrOldSearch.h"

#include <QtEndian>

QByteArray TestDvrOldSearch::record(qint32 start, qint32 end, quint32 mask, const QList<quint8>& kinds)
{
    QByteArray bytes(32, '\0');
    qToBigEndian(start, bytes.data());
    qToBigEndian(end, bytes.data() + 4);
    qToBigEndian(mask, bytes.data() + 12);
    for (qsizetype channel = 0; channel < kinds.size() && channel < 16; ++channel)
        bytes[16 + channel] = static_cast<char>(kinds.at(channel));
    return bytes;
}

QByteArray TestDvrOldSearch::terminator()
{
    return record(-1, -1, 255, {});
}

QByteArray TestDvrOldSearch::reply(const QList<QByteArray>& records)
{
    QByteArray bytes = record(0, 0, 0, {});
    for (const QByteArray& one : records)
        bytes += one;
    return bytes + terminator();
}
