#pragma once

#include "TestDvrStream.h"

#include <QList>

// Writes a fixed script of pieces, then repeats a filler piece for as long
// as the client stays (or ends after the script when there is no filler).
class TestDvrScriptedStream : public TestDvrStream {
    Q_OBJECT

public:
    TestDvrScriptedStream(QList<Chunk> script, std::optional<Chunk> filler, QObject* parent = nullptr);

protected:
    std::optional<Chunk> nextChunk() override;

private:
    QList<Chunk> m_script;
    std::optional<Chunk> m_filler;
    qsizetype m_next = 0;
};
