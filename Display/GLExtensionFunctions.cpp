#include "Display/GLExtensionFunctions.h"

#include <QOpenGLContext>
#include <algorithm>

namespace {
const int FBO_ENTRIES = 10;
} // namespace

const char* const GLExtensionFunctions::NAMES[COUNT] = {
    "glGenFramebuffersEXT",
    "glGenRenderbuffersEXT",
    "glBindRenderbufferEXT",
    "glRenderbufferStorageEXT",
    "glDeleteFramebuffersEXT",
    "glDeleteRenderbuffersEXT",
    "glBindFramebufferEXT",
    "glFramebufferTexture2DEXT",
    "glFramebufferRenderbufferEXT",
    "glCheckFramebufferStatusEXT",
    "glActiveTexture",
    "glTexImage3D",
    "glGenBuffers",
    "glBindBuffer",
    "glBufferData",
    "glDeleteBuffers",
    "glMapBuffer",
    "glUnmapBuffer",
};

bool GLExtensionFunctions::resolve(QOpenGLContext* context)
{
    for (int i = 0; i < COUNT; ++i)
        m_entries[i] = reinterpret_cast<void*>(context->getProcAddress(NAMES[i]));
    return std::all_of(m_entries.begin(), m_entries.end(), [](void* entry) { return entry != nullptr; });
}

bool GLExtensionFunctions::fboSupported() const
{
    return std::all_of(m_entries.begin(), m_entries.begin() + FBO_ENTRIES, [](void* entry) { return entry; });
}

bool GLExtensionFunctions::openGL15Supported() const
{
    return std::all_of(m_entries.begin() + FBO_ENTRIES, m_entries.end(), [](void* entry) { return entry; });
}

GLExtensionFunctions& getGLExtensionFunctions()
{
    static GLExtensionFunctions functions;
    return functions;
}
