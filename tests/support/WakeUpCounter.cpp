#include "WakeUpCounter.h"

#include <QAbstractEventDispatcher>
#include <QThread>

WakeUpCounter::WakeUpCounter(QThread& thread)
{
    connect(
        &thread, &QThread::started, this,
        [this] {
            QAbstractEventDispatcher* dispatcher = QThread::currentThread()->eventDispatcher();
            // A restarted thread may keep its dispatcher: count it once.
            if (!dispatcher || m_counted.exchange(dispatcher) == dispatcher)
                return;
            connect(
                dispatcher, &QAbstractEventDispatcher::awake, this, [this] { ++m_count; }, Qt::DirectConnection);
        },
        Qt::DirectConnection);
}
