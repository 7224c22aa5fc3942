// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "program_startup.h"

#include "animation_timer.h"
#include "geometry_option.h"
#include "scene_renderer.h"
#include "startup_failure.h"
#include "variant_profile.h"
#include "window_identity.h"

#include <GL/freeglut.h>

#include <algorithm>

static const double windowSize[2] = {300.0, 300.0}; // requested width and height, pixels

static void requestWindowSize()
{
    glutInitWindowSize(static_cast<int>(windowSize[0]), static_cast<int>(windowSize[1]));
}

// The place on one axis of a window of the given length whose far edge lies
// the (negative or zero) offset from the screen's far edge.
static int placeFromFarEdge(long offset, int length, int screenLength)
{
    return static_cast<int>(screenLength - length + offset);
}

// Mends what a geometry option can leave the toolkit asking of X; the place
// it gives is kept, measured from the right or bottom edge with the size the
// window gets.
static void fitWindowRequest(const GeometryOption &geometry)
{
    const int width = glutGet(GLUT_INIT_WINDOW_WIDTH), height = glutGet(GLUT_INIT_WINDOW_HEIGHT);
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH), screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    // Without a full size the toolkit's size is garbage; a 0 x 0 window X refuses.
    if (!geometry.fullSize || width < 1 || height < 1)
        requestWindowSize();
    // Larger than the screen, the renderer cannot hold the frame (and X sizes
    // are 16-bit); where the toolkit cannot tell the screen's size, leave it.
    else if (screenWidth > 0 && screenHeight > 0 && (width > screenWidth || height > screenHeight))
        glutInitWindowSize(std::min(width, screenWidth), std::min(height, screenHeight));

    // The toolkit measured a distance from the right or bottom edge with the
    // size asked for (or with garbage), before the size above was settled.
    if (!geometry.place || (!geometry.fromRight && !geometry.fromBottom) || screenWidth < 1 || screenHeight < 1)
        return;
    const int x = glutGet(GLUT_INIT_WINDOW_X), y = glutGet(GLUT_INIT_WINDOW_Y);
    const int fitX =
        geometry.fromRight ? placeFromFarEdge(geometry.offsetX, glutGet(GLUT_INIT_WINDOW_WIDTH), screenWidth) : x;
    const int fitY =
        geometry.fromBottom ? placeFromFarEdge(geometry.offsetY, glutGet(GLUT_INIT_WINDOW_HEIGHT), screenHeight) : y;
    // Set as values: glutInitWindowPosition would drop a place above or left
    // of the screen that the option gave (a window taller than the screen
    // and -Y), and the toolkit already knows it has a place.
    if (fitX != x)
        glutSetOption(GLUT_INIT_WINDOW_X, fitX);
    if (fitY != y)
        glutSetOption(GLUT_INIT_WINDOW_Y, fitY);
}

int runProgram(const VariantProfile &profile, int argc, char **argv)
{
    // Requested before glutInit so that a -geometry option can still override it.
    requestWindowSize();

    const GeometryOption geometry =
        profile.initToolkitFromCommandLine ? readGeometryOption(argc, argv) : readGeometryOption(1, argv);
    reportStartupFailures(profile.windowClass.instance,
                          profile.initToolkitFromCommandLine && hasToolkitOption(argc, argv, "-indirect"));
    if (profile.initToolkitFromCommandLine) {
        glutInit(&argc, argv);
    } else {
        // The toolkit must be initialised, but no option of ours may reach it.
        char *programOnly[] = {argv[0], nullptr};
        int programOnlyCount = 1;
        glutInit(&programOnlyCount, programOnly);
    }

    fitWindowRequest(geometry);

    if (profile.requestDisplayMode)
        glutInitDisplayMode(profile.displayMode);

    useSceneStyle(profile.scene);
    glutCreateWindow("Velmora");
    identifyWindow(profile.windowClass);
    glutDisplayFunc(displayScene);
    glutReshapeFunc(reshapeView);

    // Nothing fires before the event loop runs, so this order is free.
    startAnimationTimer(profile.timerPeriodMs);
    initGraphicsState();

    glutMainLoop();
    return 0;
}
