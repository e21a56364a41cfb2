#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// An X server of the benchmark's own when there is no DISPLAY: Xvfb, started
// before the application object and stopped when the program exits.
namespace BenchDisplay {

inline pid_t& xvfb()
{
    static pid_t pid = 0;
    return pid;
}

inline void stopXvfb()
{
    if (xvfb() > 0) {
        kill(xvfb(), SIGTERM);
        waitpid(xvfb(), nullptr, 0);
        xvfb() = 0;
    }
}

// True when DISPLAY names a server, the one found or the one started.
inline bool ensureDisplay(const char* screen = "1280x1024x24")
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        return true;
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    xvfb() = fork();
    if (xvfb() == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
            static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (xvfb() < 0)
        return false;
    std::atexit(stopXvfb);
    // The server writes its display number and a line end once it is ready.
    QByteArray number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number.append(c);
    close(fds[0]);
    if (number.isEmpty())
        return false;
    qputenv("DISPLAY", ":" + number);
    return true;
}

} // namespace BenchDisplay
