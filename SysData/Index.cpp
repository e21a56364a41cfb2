#include "Index.h"

#include <QtEndian>
#include <cstring>

void Index::write(unsigned char* out) const
{
    std::memset(out, 0, SIZE);
    out[0] = channel;
    out[1] = type;
    qToLittleEndian<quint32>(seconds, out + 4);
    qToLittleEndian<quint32>(microseconds, out + 8);
    qToLittleEndian<quint32>(size, out + 12);
    qToLittleEndian<quint32>(offset, out + 16);
}

Index Index::read(const unsigned char* in)
{
    Index index;
    index.channel = in[0];
    index.type = in[1];
    index.seconds = qFromLittleEndian<quint32>(in + 4);
    index.microseconds = qFromLittleEndian<quint32>(in + 8);
    index.size = qFromLittleEndian<quint32>(in + 12);
    index.offset = qFromLittleEndian<quint32>(in + 16);
    return index;
}
