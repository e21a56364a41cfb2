#include "AviFileChecker.h"

#include <QFile>

namespace {

const int MOVI_CODE_AT = 324;

struct Fixed {
    int offset;
    quint32 value;
};

// The fields of the header area that do not depend on the content.
const Fixed fixedFields[]
    = {{16, 296}, {28, 56}, {36, 0}, {40, 0}, {44, 0x110}, {52, 0}, {56, 2}, {60, 0}, {92, 116}, {104, 56}, {116, 0},
        {120, 0}, {124, 0}, {128, 100}, {136, 0}, {144, 0}, {148, 10000}, {152, 0}, {168, 40}, {172, 40}, {216, 96},
        {228, 56}, {236, 0}, {240, 0}, {244, 0}, {248, 0}, {252, 1}, {260, 0}, {272, 0}, {280, 0}, {284, 0}, {292, 20}};

const struct {
    int offset;
    const char* code;
} fourCCs[] = {{0, "RIFF"}, {8, "AVI "}, {12, "LIST"}, {20, "hdrl"}, {24, "avih"}, {88, "LIST"}, {96, "strl"},
    {100, "strh"}, {108, "vids"}, {112, "H264"}, {164, "strf"}, {188, "H264"}, {212, "LIST"}, {220, "strl"},
    {224, "strh"}, {232, "auds"}, {288, "strf"}, {316, "LIST"}, {324, "movi"}};

} // namespace

AviFileChecker::AviFileChecker(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem(path + ": cannot open");
        return;
    }
    m_bytes = file.readAll();
    if (m_bytes.size() < 336) {
        problem("file too short");
        return;
    }
    for (const auto& f : fourCCs) {
        if (fourCC(f.offset) != f.code)
            problem(QStringLiteral("%1: %2 instead of %3").arg(f.offset).arg(QString(fourCC(f.offset)), f.code));
    }
    for (const Fixed& f : fixedFields) {
        if (u32(f.offset) != f.value)
            problem(QStringLiteral("%1: %2 instead of %3").arg(f.offset).arg(u32(f.offset)).arg(f.value));
    }
    if (u32(4) != quint32(m_bytes.size() - 8))
        problem("RIFF size is not the file size less 8");
    if (u16(296) != 1 || u16(312) != 0 || u16(308) != u16(298) * u16(310) / 8 || u32(304) != u32(300) * u16(308))
        problem("audio format fields disagree");

    // Chunks of the "movi" list, in file order.
    const qint64 moviEnd = qint64(MOVI_CODE_AT) + u32(320);
    QList<quint32> chunkOffsets;
    qint64 at = MOVI_CODE_AT + 4;
    while (at + 8 <= moviEnd) {
        Chunk c;
        c.code = m_bytes.mid(at, 4);
        const quint32 size = u32(int(at + 4));
        if (at + 8 + size > moviEnd) {
            problem(QStringLiteral("chunk at %1 runs past the movi list").arg(at));
            return;
        }
        if (c.code != "00dc" && c.code != "01wb")
            problem(QStringLiteral("chunk at %1 has code %2").arg(at).arg(QString(c.code)));
        c.data = m_bytes.mid(at + 8, size);
        chunkOffsets << quint32(at - MOVI_CODE_AT);
        chunks << c;
        at += 8 + size + (size & 1);
        if ((size & 1) && m_bytes[at - 1] != '\0')
            problem("pad byte is not zero");
    }
    if (at != moviEnd)
        problem("movi list size does not end at a chunk boundary");

    // The index follows the list and ends the file.
    if (fourCC(int(moviEnd)) != "idx1" || moviEnd + 8 + u32(int(moviEnd + 4)) != m_bytes.size()) {
        problem("idx1 does not follow movi and end the file");
        return;
    }
    const int entries = int(u32(int(moviEnd + 4)) / 16);
    if (entries != chunks.size())
        problem(QStringLiteral("%1 index entries for %2 chunks").arg(entries).arg(chunks.size()));
    for (int i = 0; i < entries && i < chunks.size(); ++i) {
        const int e = int(moviEnd + 8 + 16 * i);
        const quint32 flags = u32(e + 4);
        indexOffsets << u32(e + 8);
        if (fourCC(e) != chunks[i].code || u32(e + 8) != chunkOffsets[i]
            || u32(e + 12) != quint32(chunks[i].data.size()) || (flags & ~0x10u) != 0)
            problem(QStringLiteral("index entry %1 does not match its chunk").arg(i));
        chunks[i].key = flags & 0x10;
    }

    int video = 0;
    qint64 audioBytes = 0;
    for (const Chunk& c : std::as_const(chunks)) {
        video += c.code == "00dc";
        audioBytes += c.code == "01wb" ? c.data.size() : 0;
    }
    if (u32(48) != quint32(video) || u32(140) != quint32(video))
        problem("total frames or video length is not the number of video chunks");
    if (u16(308) == 0 || u32(264) != quint32(audioBytes / u16(308)) || u32(276) != u16(308))
        problem("audio length is not the number of samples written");
}

quint32 AviFileChecker::u32(int offset) const
{
    return quint32(u16(offset)) | quint32(u16(offset + 2)) << 16;
}

quint16 AviFileChecker::u16(int offset) const
{
    if (offset < 0 || offset + 2 > m_bytes.size())
        return 0;
    return static_cast<quint16>(static_cast<quint8>(m_bytes[offset]) | static_cast<quint8>(m_bytes[offset + 1]) << 8);
}

QByteArray AviFileChecker::fourCC(int offset) const
{
    return m_bytes.mid(offset, 4);
}
