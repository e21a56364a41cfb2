#include "TestDvrLiveState.h"

void TestDvrLiveState::set(const cgi::LiveStatus& status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_status = status;
    ++m_version;
}

void TestDvrLiveState::setFlag(int channel, Flag flag, bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const quint32 bit = quint32(1) << (channel & 31);
    auto apply = [&](quint32 mask) -> quint32 { return on ? mask | bit : mask & ~bit; };
    switch (flag) {
    case Record:
        m_status.set_record_chmask(apply(m_status.record_chmask()));
        break;
    case Motion:
        m_status.set_motion_chmask(apply(m_status.motion_chmask()));
        break;
    case Sensor:
        m_status.set_sensor_chmask(apply(m_status.sensor_chmask()));
        break;
    case VideoLoss:
        m_status.set_vloss_chmask(apply(m_status.vloss_chmask()));
        break;
    }
    ++m_version;
}

cgi::LiveStatus TestDvrLiveState::status(quint64* version) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (version)
        *version = m_version;
    return m_status;
}

quint64 TestDvrLiveState::version() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_version;
}
