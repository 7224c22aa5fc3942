// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "program_startup.h"

#include "animation_timer.h"
#include "geometry_option.h"
#include "scene_renderer.h"
#include "startup_failure.h"
#include "variant_profile.h"
#include "window_identity.h"
#include "window_request.h"

#include <GL/freeglut.h>

static const double windowSize[2] = {300.0, 300.0}; // requested width and height, pixels

static void requestWindowSize()
{
    glutInitWindowSize(static_cast<int>(windowSize[0]), static_cast<int>(windowSize[1]));
}

// Mends what a geometry option leaves the toolkit asking of X; the place it
// gives is kept, measured from the right or bottom edge with the size the
// window gets.
static void applyGeometryOption(const GeometryOption &geometry)
{
    if (!geometry.given)
        return;
    const WindowRequest request =
        fitWindowRequest(geometry, {glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT)},
                         {static_cast<long>(windowSize[0]), static_cast<long>(windowSize[1])});
    // The toolkit read the numbers itself, wrapping those past an int.
    if (request.width != glutGet(GLUT_INIT_WINDOW_WIDTH) || request.height != glutGet(GLUT_INIT_WINDOW_HEIGHT))
        glutInitWindowSize(static_cast<int>(request.width), static_cast<int>(request.height));
    if (!request.place)
        return;
    // Set as values: glutInitWindowPosition would drop a place above or left
    // of the screen that the option gave (a window taller than the screen
    // and -Y), and the toolkit already knows it has a place.
    if (request.x != glutGet(GLUT_INIT_WINDOW_X))
        glutSetOption(GLUT_INIT_WINDOW_X, static_cast<int>(request.x));
    if (request.y != glutGet(GLUT_INIT_WINDOW_Y))
        glutSetOption(GLUT_INIT_WINDOW_Y, static_cast<int>(request.y));
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

    applyGeometryOption(geometry);

    if (profile.requestDisplayMode)
        glutInitDisplayMode(profile.displayMode);

    useSceneStyle(profile.scene);
    glutCreateWindow("Velmora");
    glutDisplayFunc(displayScene);
    glutReshapeFunc(reshapeView);

    // Nothing fires before the event loop runs, so this order is free.
    startAnimationTimer(profile.timerPeriodMs);
    initGraphicsState();
    // A window the renderer cannot hold is not drawn; the window manager is
    // told not to make one.
    identifyWindow(profile.windowClass, largestView());

    glutMainLoop();
    return 0;
}
