#pragma once

#include "Display/CDisplayVideo.h"

#include <QElapsedTimer>
#include <QList>
#include <QStringList>
#include <mutex>

// Collects what a frame router emits, on whatever thread it emits it.
class RouterProbe {
public:
    struct Shown {
        CDisplayInfo info;
        qint64 atMs;
    };

    explicit RouterProbe(CDisplayVideo& router)
    {
        m_clock.start();
        QObject::connect(
            &router, &CDisplayVideo::signalUpdateScreen, &router,
            [this](const CDisplayInfo& info) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_shown.append({info, m_clock.elapsed()});
            },
            Qt::DirectConnection);
        QObject::connect(
            &router, &CDisplayVideo::signalUpdateTime, &router,
            [this](const QString& time) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_times.append(time);
            },
            Qt::DirectConnection);
        // As a wall takes them: a status of the stream before the last
        // clear is not shown.
        QObject::connect(
            &router, &CDisplayVideo::signalChangedStatus, &router,
            [this, &router](const QString& status, uint32_t clears) {
                if (clears != router.clears())
                    return;
                std::lock_guard<std::mutex> lock(m_mutex);
                m_statuses.append(status);
            },
            Qt::DirectConnection);
    }

    QList<Shown> shown() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_shown;
    }
    int shownCount() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return static_cast<int>(m_shown.size());
    }
    QStringList times() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_times;
    }
    QStringList statuses() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_statuses;
    }

private:
    mutable std::mutex m_mutex;
    QElapsedTimer m_clock;
    QList<Shown> m_shown;
    QStringList m_times;
    QStringList m_statuses;
};
