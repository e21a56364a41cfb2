#pragma once

#include <QByteArray>
#include <functional>

// Runs code that is expected to stop the program (a failed invariant) in a
// forked child, so a test can assert that it aborts and what it printed.
class AbortProbe {
public:
    struct Outcome {
        bool aborted = false;
        QByteArray errorOutput;
    };

    static Outcome run(const std::function<void()>& code);
};
