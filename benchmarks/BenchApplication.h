#pragma once

#include <QStandardPaths>
#include <string>

// The one application object of a benchmark program, made at the first call.
// `prepare` runs just before it is made, for what must be set by then (the
// platform, the OpenGL format, log rules). Settings and lists go to Qt's test
// locations, never the operator's.
template <class Application> Application& benchApplication(const char* name, void (*prepare)() = nullptr)
{
    static int argc = 1;
    static std::string program = name;
    static char* argv[] = {program.data(), nullptr};
    static Application* app = [prepare] {
        if (prepare)
            prepare();
        QStandardPaths::setTestModeEnabled(true);
        return new Application(argc, argv);
    }();
    return *app;
}
