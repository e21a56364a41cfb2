#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Reads an AVI file with one H.264 video and one PCM audio stream straight
// from the byte layout the recorder writes (fixed header offsets, "movi"
// chunks, "idx1" index), without any of the writer's code, and checks that
// the sizes add up and that the index matches the chunks one for one.
class AviFileChecker {
public:
    struct Chunk {
        QByteArray code;
        QByteArray data;
        bool key = false;
    };

    explicit AviFileChecker(const QString& path);

    bool ok() const { return m_problems.isEmpty(); }
    QString problems() const { return m_problems.join(QLatin1Char('\n')); }

    // A little-endian field of the header area.
    quint32 u32(int offset) const;
    quint16 u16(int offset) const;
    QByteArray fourCC(int offset) const;

    QList<Chunk> chunks;
    // Offset of each chunk's header from the "movi" code, as the file says.
    QList<quint32> indexOffsets;

private:
    void problem(const QString& text) { m_problems << text; }

    QByteArray m_bytes;
    QStringList m_problems;
};
