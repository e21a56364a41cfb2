#pragma once

#include <QObject>
#include <atomic>

class QAbstractEventDispatcher;
class QThread;

// Counts how often a thread's event dispatcher wakes up: every pass of its
// event loop, and every processEvents call of a loop of its own. A thread
// that waits wakes for its work and its timers; one that spins wakes without
// end. So "no busy loop" is a bound on this count, never a CPU time. Made
// before the thread starts; counts over every start.
class WakeUpCounter : public QObject {
public:
    explicit WakeUpCounter(QThread& thread);

    int count() const { return m_count.load(); }

private:
    std::atomic<int> m_count{0};
    std::atomic<QAbstractEventDispatcher*> m_counted{nullptr};
};
