#include "Display/CRecordHandOff.h"

#include <utility>

CRecordHandOff::CRecordHandOff(std::function<void()> ready)
    : m_ready(std::move(ready))
{
    m_order.reserve(CDisplayVideo::kScreens);
}

void CRecordHandOff::post(const CDisplayInfo& record)
{
    if (record.screen < 0 || record.screen >= CDisplayVideo::kScreens)
        return;
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Waiting& waiting = m_screens[std::size_t(record.screen)];
        if (!waiting.state && !waiting.picture) {
            wake = m_order.empty();
            m_order.push_back(record.screen);
        }
        if (record.hasPicture()) {
            waiting.picture = record;
        } else {
            // What the tile shows from now on: what waited came before it.
            waiting.state = record;
            waiting.picture.reset();
        }
    }
    if (wake)
        m_ready();
}

QList<CDisplayInfo> CRecordHandOff::take()
{
    QList<CDisplayInfo> records;
    std::lock_guard<std::mutex> lock(m_mutex);
    records.reserve(qsizetype(m_order.size()));
    for (int screen : m_order) {
        Waiting& waiting = m_screens[std::size_t(screen)];
        if (waiting.state)
            records.append(std::move(*waiting.state));
        if (waiting.picture)
            records.append(std::move(*waiting.picture));
        waiting = Waiting();
    }
    m_order.clear();
    return records;
}
