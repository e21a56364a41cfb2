#include "ByteMutator.h"

#include <utility>

ByteMutator::ByteMutator(QList<QByteArray> samples, quint32 seed, int maxRandomSize)
    : m_samples(std::move(samples))
    , m_random(seed)
    , m_maxRandomSize(maxRandomSize)
{
}

QByteArray ByteMutator::next()
{
    const bool useSample = !m_samples.isEmpty() && (m_count++ % 4 != 0);
    if (!useSample)
        return randomBuffer();
    return mutate(m_samples.at(bounded(m_samples.size())));
}

QByteArray ByteMutator::randomBuffer()
{
    QByteArray buffer(bounded(m_maxRandomSize + 1), Qt::Uninitialized);
    for (char& byte : buffer)
        byte = randomByte();
    return buffer;
}

QByteArray ByteMutator::mutate(QByteArray buffer)
{
    const int edits = 1 + bounded(4);
    for (int i = 0; i < edits; ++i) {
        const int size = static_cast<int>(buffer.size());
        switch (bounded(6)) {
        case 0:
            if (size > 0) {
                const int at = bounded(size);
                buffer[at] = static_cast<char>(buffer[at] ^ (1 << bounded(8)));
            }
            break;
        case 1:
            if (size > 0)
                buffer[bounded(size)] = randomByte();
            break;
        case 2:
            buffer.truncate(bounded(size + 1));
            break;
        case 3:
            buffer.insert(bounded(size + 1), QByteArray(1 + bounded(8), randomByte()));
            break;
        case 4:
            if (size > 0)
                buffer.remove(bounded(size), 1 + bounded(8));
            break;
        default: {
            const QByteArray& other = m_samples.isEmpty() ? buffer : m_samples.at(bounded(m_samples.size()));
            const int from = bounded(static_cast<int>(other.size()) + 1);
            buffer.insert(bounded(size + 1), other.mid(from, 1 + bounded(32)));
            break;
        }
        }
    }
    return buffer;
}

int ByteMutator::bounded(int limit)
{
    return limit <= 0 ? 0 : static_cast<int>(m_random.bounded(static_cast<quint32>(limit)));
}

char ByteMutator::randomByte()
{
    return static_cast<char>(m_random.bounded(256u));
}
