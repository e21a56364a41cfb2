#include "CFrameQueue.h"

#include <boost/chrono.hpp>
#include <cstring>

void CFrameQueue::open()
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    if (m_open)
        return;
    // Left uninitialised: only the bytes of queued frames are ever read, and
    // the pages are touched only as frames come.
    m_buffer.reset(new unsigned char[kCapacity]);
    m_fill = 0;
    m_start = 0;
    m_end = 0;
    m_lengths.clear();
    m_infos.clear();
    m_frontTaken = false;
    m_open = true;
    ++m_session;
}

void CFrameQueue::close()
{
    shut(false);
}

bool CFrameQueue::closeIfEmpty()
{
    return shut(true);
}

bool CFrameQueue::shut(bool onlyWhenEmpty)
{
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        if (onlyWhenEmpty && !m_lengths.empty())
            return false;
        m_open = false;
        // A consumer may still be reading the frame it took: its buffer stays
        // until it is done, also past an open() that makes a new one.
        if (m_frontTaken)
            m_consumersBuffer = std::move(m_buffer);
        m_buffer.reset();
        m_fill = 0;
        m_start = 0;
        m_end = 0;
        m_lengths.clear();
        m_infos.clear();
        m_frontTaken = false;
        ++m_session;
    }
    m_space.notify_all();
    m_data.notify_all();
    return true;
}

bool CFrameQueue::isOpen() const
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    return m_open;
}

bool CFrameQueue::push(
    const unsigned char* data, std::size_t length, const _DISPLAY_CHANNEL_INFO& info, std::size_t maxFrames)
{
    if (!data || length == 0 || length > kCapacity - kPadding || maxFrames == 0)
        return false;
    boost::unique_lock<boost::mutex> lock(m_mutex);
    const uint64_t session = m_session;
    while (m_open && m_session == session && (m_fill >= kHighWater || !fits(length) || m_lengths.size() >= maxFrames))
        m_space.wait(lock);
    if (!m_open || m_session != session)
        return false;
    append(data, length, info);
    lock.unlock();
    m_data.notify_one();
    return true;
}

bool CFrameQueue::tryPush(
    const unsigned char* data, std::size_t length, const _DISPLAY_CHANNEL_INFO& info, std::size_t maxFrames)
{
    if (!data || length == 0)
        return false;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        if (!m_open || m_lengths.size() >= maxFrames || m_fill >= kHighWater || !fits(length))
            return false;
        append(data, length, info);
    }
    m_data.notify_one();
    return true;
}

bool CFrameQueue::fits(std::size_t length) const
{
    const std::size_t needed = length + kPadding;
    if (needed > kCapacity)
        return false;
    if (m_end + needed <= kCapacity)
        return true;
    return !m_frontTaken && m_end - m_start + needed <= kCapacity;
}

void CFrameQueue::append(const unsigned char* data, std::size_t length, const _DISPLAY_CHANNEL_INFO& info)
{
    if (m_end + length + kPadding > kCapacity)
        compact();
    unsigned char* at = m_buffer.get() + m_end;
    std::memcpy(at, data, length);
    std::memset(at + length, 0, kPadding);
    m_end += length + kPadding;
    m_fill += length;
    m_lengths.push_back(length);
    m_infos.push_back(info);
}

void CFrameQueue::compact()
{
    if (m_start == 0)
        return;
    std::memmove(m_buffer.get(), m_buffer.get() + m_start, m_end - m_start);
    m_end -= m_start;
    m_start = 0;
}

void CFrameQueue::dropQueued()
{
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        const std::size_t kept = m_frontTaken ? 1 : 0;
        while (m_lengths.size() > kept) {
            m_fill -= m_lengths.back();
            m_end -= m_lengths.back() + kPadding;
            m_lengths.pop_back();
            m_infos.pop_back();
        }
    }
    m_space.notify_all();
}

bool CFrameQueue::waitFront(Front& front)
{
    return waitFrontFor(front, -1) == Waited::Frame;
}

CFrameQueue::Waited CFrameQueue::waitFrontFor(Front& front, int idleMs)
{
    boost::unique_lock<boost::mutex> lock(m_mutex);
    m_consumersBuffer.reset();
    const auto deadline = boost::chrono::steady_clock::now() + boost::chrono::milliseconds(idleMs);
    while (m_open && m_lengths.empty()) {
        if (idleMs < 0)
            m_data.wait(lock);
        else if (m_data.wait_until(lock, deadline) == boost::cv_status::timeout && m_open && m_lengths.empty())
            return Waited::Idle;
    }
    if (!m_open)
        return Waited::Closed;
    front.data = m_buffer.get() + m_start;
    front.length = m_lengths.front();
    front.padded = true;
    front.info = m_infos.front();
    m_frontTaken = true;
    return Waited::Frame;
}

void CFrameQueue::popFront()
{
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        // The consumer's frame went with the closing, not with the queue now.
        if (m_consumersBuffer) {
            m_consumersBuffer.reset();
            return;
        }
        if (!m_open || m_lengths.empty())
            return;
        m_frontTaken = false;
        const std::size_t length = m_lengths.front();
        m_start += length + kPadding;
        m_fill -= length;
        m_lengths.pop_front();
        m_infos.pop_front();
        // Frames are written behind the last one: the buffer is started
        // over whenever the queue runs empty, which a decoder that keeps up
        // does after nearly every frame.
        if (m_lengths.empty())
            m_start = m_end = 0;
        else if (m_start >= kCapacity - kHighWater)
            compact();
    }
    m_space.notify_one();
}

std::size_t CFrameQueue::fillLevel() const
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    return m_fill;
}

std::size_t CFrameQueue::frameCount() const
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    return m_lengths.size();
}
