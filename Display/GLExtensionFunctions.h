#pragma once

#include <array>

class QOpenGLContext;

// The frame-buffer and OpenGL 1.5 entry points of the current OpenGL
// implementation, looked up whenever a wall or the OpenGL probe makes a
// context. Drawing uses OpenGL 1.1 only and never calls through the table; it
// tells what the implementation offers. One table per process.
class GLExtensionFunctions {
public:
    static constexpr int COUNT = 18;
    static const char* const NAMES[COUNT];

    // Looks every entry up through the context, which must be current; true
    // only when all were found. Missing entries stay null.
    bool resolve(QOpenGLContext* context);
    bool fboSupported() const;
    bool openGL15Supported() const;

private:
    std::array<void*, COUNT> m_entries{};
};

GLExtensionFunctions& getGLExtensionFunctions();
