#include "TestDvrScriptedStream.h"

TestDvrScriptedStream::TestDvrScriptedStream(QList<Chunk> script, std::optional<Chunk> filler, QObject* parent)
    : TestDvrStream(parent)
    , m_script(std::move(script))
    , m_filler(std::move(filler))
{
}

std::optional<TestDvrStream::Chunk> TestDvrScriptedStream::nextChunk()
{
    if (m_next < m_script.size())
        return m_script.at(m_next++);
    return m_filler;
}
