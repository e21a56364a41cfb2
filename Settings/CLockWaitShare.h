#pragma once

#include <QtGlobal>

// While one lives on a thread, the settings saves made on that thread wait
// for the settings lock CAppSettings::LOCK_WAIT_MS in all, not each: the
// window's start and its end make more than one save, and a lock that
// another program holds must delay them by that bound once. A save that
// finds the share spent still takes a lock that is free by then, and fails
// at once when it is not. Made on the stack around the work; shares on one
// thread nest, the innermost one counts. Other threads' saves keep their
// own bound.
class CLockWaitShare {
public:
    CLockWaitShare();
    ~CLockWaitShare();
    CLockWaitShare(const CLockWaitShare&) = delete;
    CLockWaitShare& operator=(const CLockWaitShare&) = delete;

    // The longest a save on this thread may wait now: boundMs, or what is
    // left of the share when that is less.
    static int allowance(int boundMs);
    // A save on this thread waited that long.
    static void spend(qint64 milliseconds);

private:
    qint64 m_leftMs;
    CLockWaitShare* m_outer;
};
