// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "program_startup.h"

#include "animation_timer.h"
#include "geometry_option.h"
#include "scene_renderer.h"
#include "variant_profile.h"
#include "window_identity.h"

#include <GL/freeglut.h>

#include <algorithm>

static const double windowSize[2] = {300.0, 300.0}; // requested width and height, pixels

static void requestWindowSize()
{
    glutInitWindowSize(static_cast<int>(windowSize[0]), static_cast<int>(windowSize[1]));
}

// Mends what a geometry option can leave the toolkit asking of X; the
// position it gave is kept.
static void fitWindowRequest(bool sizeMissing)
{
    const int width = glutGet(GLUT_INIT_WINDOW_WIDTH), height = glutGet(GLUT_INIT_WINDOW_HEIGHT);
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH), screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    // Without a full size the toolkit's size is garbage; a 0 x 0 window X refuses.
    if (sizeMissing || width < 1 || height < 1)
        requestWindowSize();
    // Larger than the screen, the renderer cannot hold the frame (and X sizes
    // are 16-bit); where the toolkit cannot tell the screen's size, leave it.
    else if (screenWidth > 0 && screenHeight > 0 && (width > screenWidth || height > screenHeight))
        glutInitWindowSize(std::min(width, screenWidth), std::min(height, screenHeight));
}

int runProgram(const VariantProfile &profile, int argc, char **argv)
{
    // Requested before glutInit so that a -geometry option can still override it.
    requestWindowSize();

    const bool lacksSize = profile.initToolkitFromCommandLine && geometryLacksSize(argc, argv);
    if (profile.initToolkitFromCommandLine) {
        glutInit(&argc, argv);
    } else {
        // The toolkit must be initialised, but no option of ours may reach it.
        char *programOnly[] = {argv[0], nullptr};
        int programOnlyCount = 1;
        glutInit(&programOnlyCount, programOnly);
    }

    fitWindowRequest(lacksSize);

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
