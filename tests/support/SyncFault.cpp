#include "SyncFault.h"

#include <atomic>
#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_onFolder = false;
std::atomic<int> g_error = 0;
std::atomic<int> g_fileSyncs = 0;
std::atomic<int> g_folderSyncs = 0;

} // namespace

// The code under test, linked into the test program, syncs through this one.
extern "C" int fsync(int descriptor)
{
    struct stat status { };
    const bool folder = ::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode);
    ++(folder ? g_folderSyncs : g_fileSyncs);
    if (folder == g_onFolder) {
        if (const int error = g_error.exchange(0)) {
            errno = error;
            return -1;
        }
    }
    return static_cast<int>(::syscall(SYS_fsync, descriptor));
}

void SyncFault::failNext(bool onFolder, int error)
{
    g_onFolder = onFolder;
    g_fileSyncs = 0;
    g_folderSyncs = 0;
    g_error = error;
}

int SyncFault::fileSyncs()
{
    return g_fileSyncs;
}

int SyncFault::folderSyncs()
{
    return g_folderSyncs;
}
