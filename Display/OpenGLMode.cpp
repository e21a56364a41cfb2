#include "OpenGLMode.h"

#include "Settings/CAppSettings.h"

OpenGLMode openGLModeSetting()
{
    const int mode = CAppSettings().readSetting(CAppSettings::OPENGL).toInt();
    return mode >= OPENGL_HIGH_PERFORMANCE && mode <= OPENGL_OFF ? OpenGLMode(mode) : OPENGL_HIGH_PERFORMANCE;
}
