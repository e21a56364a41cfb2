#include "RawFileChecker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>

namespace {

quint32 le32(const QByteArray& b, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(b.at(at + i));
    return value;
}

quint32 be32(const QByteArray& b, int at)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | static_cast<quint8>(b.at(at + i));
    return value;
}

bool allBytes(const QByteArray& b, int from, int count, char value)
{
    for (int i = from; i < from + count; ++i) {
        if (b[i] != value)
            return false;
    }
    return true;
}

// A NUL-terminated text of at most 20 bytes in a 21-byte field, zeros after.
bool nameField(const QByteArray& b, int at, QByteArray& name)
{
    const QByteArray field = b.mid(at, 21);
    const int end = field.indexOf('\0');
    if (end < 0 || end > 20)
        return false;
    name = field.left(end);
    return allBytes(field, end, 21 - end, '\0');
}

// The fields of either frame header, read the way a DVR writes them.
struct FrameFields {
    bool ok = false;
    int channel = 0;
    int type = 0;
    quint32 seconds = 0;
    quint32 microseconds = 0;
};

FrameFields frameFields(const QByteArray& frame)
{
    FrameFields f;
    if (frame.size() >= 80 && frame.startsWith("UM") && be32(frame, 2) == 80) {
        static const int types[4] = {0, 1, 0, 3};
        f.ok = frame.size() == qint64(be32(frame, 8)) + 80;
        f.channel = static_cast<quint8>(frame[56]);
        f.type = types[(be32(frame, 17) >> 22) & 3];
        f.seconds = be32(frame, 37);
        f.microseconds = be32(frame, 41);
    } else if (frame.size() >= 36) {
        f.type = frame[0] & 3;
        const int header = f.type == 3 ? 40 : 36;
        f.ok = frame.size() >= header && frame.size() == header + qint64(le32(frame, 4));
        f.channel = static_cast<quint8>(frame[1]);
        f.seconds = le32(frame, 12);
        f.microseconds = le32(frame, 16);
    }
    return f;
}

// "yyyyMMdd_hhmmss" optionally followed by "-N" (a name beside a taken one).
bool stemMatches(const QString& stem, quint32 seconds)
{
    const QString time = fileTime(seconds);
    if (stem == time)
        return true;
    if (!stem.startsWith(time + QLatin1Char('-')))
        return false;
    bool number = false;
    stem.mid(time.size() + 1).toInt(&number);
    return number;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QString fileTime(quint32 seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("yyyyMMdd_hhmmss"));
}

RawFileChecker::RawFileChecker(const QString& folder, const QStringList& unfinished)
    : m_unfinished(unfinished)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"*.hdb"}, QDir::Files, QDir::Name))
        readDatabase(dir.filePath(name));
    for (const QString& name : dir.entryList({"*.hav"}, QDir::Files, QDir::Name))
        readPair(dir.filePath(name), unfinished.contains(QFileInfo(name).completeBaseName()));
    for (const QString& name : dir.entryList({"*.hrf"}, QDir::Files, QDir::Name)) {
        if (!QFile::exists(dir.filePath(QFileInfo(name).completeBaseName() + ".hav")))
            problem(name + ": index without frame file");
    }
    checkMinutesAgainstIndexes();
}

void RawFileChecker::readDatabase(const QString& path)
{
    const QByteArray b = readAll(path);
    Database db;
    db.stem = QFileInfo(path).completeBaseName();
    const QString where = QFileInfo(path).fileName();
    if (b.size() < 12 || !b.startsWith("HDB\x01") || !allBytes(b, 5, 7, '\0')) {
        problem(where + ": bad header");
        return;
    }
    db.channels = static_cast<quint8>(b[4]);
    if ((b.size() - 12) % 76 != 0)
        problem(where + ": size is not header plus whole records");
    for (int at = 12; at + 76 <= b.size(); at += 76) {
        const QByteArray r = b.mid(at, 76);
        Minute m;
        m.start = le32(r, 0);
        m.mask = le32(r, 8);
        if (m.start == 0 || m.start % 60 != 0 || le32(r, 4) != m.start + 60)
            problem(where + QStringLiteral(": record %1 has a bad minute").arg((at - 12) / 76));
        if (m.mask > 0xFFFF || !allBytes(r, 28, 32, '\xFF') || !allBytes(r, 60, 16, '\0'))
            problem(where + QStringLiteral(": record %1 has bad fixed bytes").arg((at - 12) / 76));
        for (int ch = 0; ch < 16; ++ch) {
            const int kind = static_cast<quint8>(r[12 + ch]);
            m.kinds << kind;
            if (kind > 3 || (!(m.mask & 1u << ch) && kind != 0))
                problem(where + QStringLiteral(": record %1 channel %2 kind %3").arg((at - 12) / 76).arg(ch).arg(kind));
        }
        db.minutes << m;
    }
    databases << db;
}

void RawFileChecker::readPair(const QString& havPath, bool unfinished)
{
    Pair pair;
    pair.stem = QFileInfo(havPath).completeBaseName();
    const QString where = pair.stem;
    const QByteArray hav = readAll(havPath);
    QByteArray hrf = readAll(QFileInfo(havPath).path() + QLatin1Char('/') + pair.stem + ".hrf");
    if (unfinished && (hav.size() < 413 || hrf.size() < 40))
        return;

    if (hav.size() < 413 || !hav.startsWith("HAV\x01") || hav[4] != '\0' || !allBytes(hav, 5, 3, '\0')
        || !allBytes(hav, 365, 48, '\0') || !nameField(hav, 8, pair.dvrName)) {
        problem(where + ": bad frame file header");
        return;
    }
    for (int ch = 0; ch < 16; ++ch) {
        QByteArray name;
        if (!nameField(hav, 29 + 21 * ch, name))
            problem(where + QStringLiteral(": bad camera name field %1").arg(ch));
        pair.cameraNames << name;
    }
    if (hrf.size() < 40 || !hrf.startsWith("HRF\x01") || !allBytes(hrf, 4, 36, '\0')) {
        problem(where + ": bad index header");
        return;
    }
    if ((hrf.size() - 40) % 36 != 0) {
        if (!unfinished)
            problem(where + ": index size is not header plus whole records");
        hrf.truncate(40 + (hrf.size() - 40) / 36 * 36);
    }

    quint32 expectedOffset = 413;
    for (int at = 40; at + 36 <= hrf.size(); at += 36) {
        const QByteArray r = hrf.mid(at, 36);
        const QString record = where + QStringLiteral(" entry %1").arg((at - 40) / 36);
        Entry e;
        e.channel = static_cast<quint8>(r[0]);
        e.type = static_cast<quint8>(r[1]);
        e.seconds = le32(r, 4);
        e.microseconds = le32(r, 8);
        const quint32 size = le32(r, 12);
        const quint32 offset = le32(r, 16);
        if (r[2] != '\0' || r[3] != '\0' || !allBytes(r, 20, 16, '\0'))
            problem(record + ": bad fixed bytes");
        if (offset != expectedOffset)
            problem(record + QStringLiteral(": offset %1, expected %2").arg(offset).arg(expectedOffset));
        if (qint64(offset) + size > hav.size()) {
            problem(record + ": points past the frame file");
            break;
        }
        e.frame = hav.mid(offset, size);
        const FrameFields f = frameFields(e.frame);
        if (!f.ok || f.channel != e.channel || f.type != e.type || f.seconds != e.seconds
            || f.microseconds != e.microseconds)
            problem(record + ": does not match its frame");
        expectedOffset = offset + size;
        pair.entries << e;
    }
    if (expectedOffset != hav.size() && !unfinished)
        problem(
            where + QStringLiteral(": frame file has %1 bytes, index covers %2").arg(hav.size()).arg(expectedOffset));
    if (pair.entries.isEmpty() && !unfinished)
        problem(where + ": pair without frames");
    else if (!pair.entries.isEmpty() && !stemMatches(pair.stem, pair.entries.first().seconds))
        problem(where + ": name is not the first frame's time");
    pairs << pair;
}

void RawFileChecker::checkMinutesAgainstIndexes()
{
    if (databases.isEmpty()) {
        if (!pairs.isEmpty())
            problem("frames without a minute database");
        return;
    }
    // Minutes may repeat (a clock set back), so compare the union per minute.
    QMap<quint32, quint32> recorded;
    for (const Database& db : databases) {
        for (const Minute& m : db.minutes)
            recorded[m.start] |= m.mask;
    }
    QMap<quint32, quint32> indexed;
    QSet<quint32> finished;
    for (const Pair& pair : pairs) {
        for (const Entry& e : pair.entries) {
            indexed[e.seconds - e.seconds % 60] |= 1u << e.channel;
            if (!m_unfinished.contains(pair.stem))
                finished << e.seconds - e.seconds % 60;
        }
    }
    for (const quint32 minute : std::as_const(finished)) {
        if (!recorded.contains(minute))
            problem(QStringLiteral("minute %1 has frames but no record").arg(fileTime(minute)));
    }
    for (auto it = recorded.cbegin(); it != recorded.cend(); ++it) {
        if (indexed.value(it.key()) != it.value())
            problem(QStringLiteral("minute %1: database mask %2, indexes %3")
                        .arg(fileTime(it.key()))
                        .arg(it.value(), 0, 16)
                        .arg(indexed.value(it.key()), 0, 16));
    }
}
