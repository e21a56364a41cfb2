#include "AbortProbe.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

AbortProbe::Outcome AbortProbe::run(const std::function<void()>& code)
{
    Outcome outcome;
    int fds[2];
    if (pipe(fds) != 0)
        return outcome;

    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        return outcome;
    }
    if (child == 0) {
        close(fds[0]);
        dup2(fds[1], STDERR_FILENO);
        code();
        _exit(0);
    }

    close(fds[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        outcome.errorOutput.append(buffer, static_cast<int>(n));
    close(fds[0]);

    int status = 0;
    waitpid(child, &status, 0);
    outcome.aborted = WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT;
    return outcome;
}
