#pragma once

// Syncs that fail, for tests of code that syncs files and folders. A test
// program that arms a fault gets an fsync of its own: it fails as armed and
// counts every sync, and otherwise reaches the system.
class SyncFault {
public:
    // The next sync of a folder (onFolder) or else of a file fails once with
    // error (an errno value); the counts start again from 0.
    static void failNext(bool onFolder, int error);
    static int fileSyncs();
    static int folderSyncs();
};
