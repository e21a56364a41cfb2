#pragma once

// How the screen wall draws its tiles; stored in the Opengl setting.
enum OpenGLMode {
    // OpenGL, each picture uploaded as it is.
    OPENGL_HIGH_PERFORMANCE = 0,
    // OpenGL, each picture first copied into a power-of-two sized image.
    OPENGL_LOW_PERFORMANCE = 1,
    // No OpenGL: one plain label per tile.
    OPENGL_OFF = 2,
};

// The Opengl setting; a stored value outside the three reads as the first.
OpenGLMode openGLModeSetting();
