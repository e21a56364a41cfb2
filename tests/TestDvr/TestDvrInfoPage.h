#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

// Builds the old dialect's information page: a <pre> block of "key : value"
// lines, one line per hard disk, record statistics and the system log.
class TestDvrInfoPage {
public:
    struct Disk {
        qint64 usedMb = 0;
        qint64 freeMb = 0;
    };

    // keyLines: pairs of key (as "ModelName : ") and value, in order.
    static QByteArray build(const QList<QPair<QByteArray, QByteArray>>& keyLines, const QList<Disk>& disks,
        const QByteArray& logText, const QByteArray& lineEnd = "\n");
    static QByteArray standard();
};
