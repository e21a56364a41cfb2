#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

// Deterministic stream of hostile inputs for robustness tests: purely random
// buffers alternate with mutations (bit flips, overwritten bytes, cuts,
// insertions, splices) of well-formed samples, so both the outer checks and the
// deep parsing paths get exercised. The same seed always yields the same stream.
class ByteMutator {
public:
    explicit ByteMutator(QList<QByteArray> samples, quint32 seed = 20261207, int maxRandomSize = 512);

    QByteArray next();
    QByteArray randomBuffer();
    QByteArray mutate(QByteArray buffer);

private:
    int bounded(int limit);
    char randomByte();

    QList<QByteArray> m_samples;
    QRandomGenerator m_random;
    int m_maxRandomSize;
    quint64 m_count = 0;
};
