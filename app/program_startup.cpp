// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "program_startup.h"

#include "animation_timer.h"
#include "geometry_option.h"
#include "scene_renderer.h"
#include "startup_failure.h"
#include "variant_profile.h"
#include "window_identity.h"
#include "window_limit.h"

#include <GL/freeglut.h>

#include <algorithm>

static const double windowSize[2] = {300.0, 300.0}; // requested width and height, pixels

static void requestWindowSize()
{
    glutInitWindowSize(static_cast<int>(windowSize[0]), static_cast<int>(windowSize[1]));
}

// X's window coordinates are 16-bit.
static const long xCoordinateMin = -32768, xCoordinateMax = 32767;

// The place on one axis of a window of the given length: the offset from the
// screen's near edge, or (fromFarEdge) the negative or zero offset from its
// far edge to the window's. A place X cannot express is cut to the screen
// edge it points past, the window inside it.
static long placeOnAxis(long offset, bool fromFarEdge, long length, long screenLength)
{
    const long place = fromFarEdge ? screenLength - length + offset : offset;
    if (place >= xCoordinateMin && place <= xCoordinateMax)
        return place;
    return place < 0 ? 0 : std::max(screenLength - length, 0L);
}

// Mends what a geometry option leaves the toolkit asking of X; the place it
// gives is kept, measured from the right or bottom edge with the size the
// window gets.
static void fitWindowRequest(const GeometryOption &geometry)
{
    if (!geometry.given)
        return;
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH), screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    const bool screenKnown = screenWidth > 0 && screenHeight > 0;
    long width = geometry.width, height = geometry.height;
    // Without a full size the toolkit's size is garbage; a 0 x 0 window X refuses.
    if (!geometry.fullSize || width < 1 || height < 1) {
        width = static_cast<long>(windowSize[0]);
        height = static_cast<long>(windowSize[1]);
    }
    // Larger than the screen, the renderer may not hold the frame (and X
    // sizes are 16-bit); where the toolkit cannot tell the screen's size,
    // leave it.
    if (screenKnown) {
        width = std::min(width, static_cast<long>(screenWidth));
        height = std::min(height, static_cast<long>(screenHeight));
    }
    // The toolkit read the numbers itself, wrapping those past an int.
    if (width != glutGet(GLUT_INIT_WINDOW_WIDTH) || height != glutGet(GLUT_INIT_WINDOW_HEIGHT))
        glutInitWindowSize(static_cast<int>(width), static_cast<int>(height));

    // The toolkit measured a distance from the right or bottom edge with the
    // size asked for (or with garbage), before the size above was settled.
    if (!geometry.place || !screenKnown)
        return;
    const long x = placeOnAxis(geometry.offsetX, geometry.fromRight, width, screenWidth);
    const long y = placeOnAxis(geometry.offsetY, geometry.fromBottom, height, screenHeight);
    // Set as values: glutInitWindowPosition would drop a place above or left
    // of the screen that the option gave (a window taller than the screen
    // and -Y), and the toolkit already knows it has a place.
    if (x != glutGet(GLUT_INIT_WINDOW_X))
        glutSetOption(GLUT_INIT_WINDOW_X, static_cast<int>(x));
    if (y != glutGet(GLUT_INIT_WINDOW_Y))
        glutSetOption(GLUT_INIT_WINDOW_Y, static_cast<int>(y));
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
    // A window the renderer cannot hold is not drawn; the window manager is
    // told not to make one.
    const ViewSize largest = largestView();
    limitWindowSize(largest.width, largest.height);

    glutMainLoop();
    return 0;
}
