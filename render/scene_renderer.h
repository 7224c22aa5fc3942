// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Draws the pendulum scene and its text overlay with fixed-function OpenGL,
// and sets up the projection, camera and one-time GL state.
#pragma once

#include <GL/gl.h>

enum class FramePresentation : unsigned char {
    flush,      // single-buffered window: glFlush
    swapBuffers // double-buffered window: glutSwapBuffers
};

// The rendering settings in which the two programs differ.
struct SceneStyle {
    GLenum materialParameter; // glMaterialfv parameter for the bob colour
    bool backFaceCulling;     // enable GL_CULL_FACE with glCullFace(GL_BACK)
    FramePresentation presentation;
};

// Chooses the style for the whole run; call before the window exists.
void useSceneStyle(const SceneStyle &chosen);

// Draws text at raster position (x, y, -1) in the bitmap font.
void drawText(float x, float y, const char *text);

// GLUT display callback; also called by reshapeView to draw at once.
void displayScene();

// GLUT reshape callback: viewport, projection and camera, then a frame.
void reshapeView(int width, int height);

// One-time GL state; needs the window's context.
void initGraphicsState();

struct ViewSize {
    int width, height; // pixels
};

// The largest view the renderer draws whole, asked of it once; needs the
// window's context. From then on a window larger than it is not drawn until
// it is back within it.
ViewSize largestView();
