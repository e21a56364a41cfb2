#pragma once

// Invariants of the program itself (never of data from a DVR, a file or the
// operator). A failed one stops the program in every build, naming the
// expression and the source it guards, because carrying on would corrupt
// recordings or the DVR list.
[[noreturn]] void kAssertFailed(const char* expression, const char* source, int line);

#define K_ASSERT(expression, source)                                                                                   \
    do {                                                                                                               \
        if (!(expression))                                                                                             \
            kAssertFailed(#expression, source, __LINE__);                                                              \
    } while (false)
