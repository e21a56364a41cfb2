#pragma once

#include <sys/resource.h>

// While it lives, no file of this process may grow past `bytes`: a write
// that would is cut short or fails with "File too large" (SIGXFSZ is
// ignored), as a write to a full disk is cut short or fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved;
};
