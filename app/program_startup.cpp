#include "program_startup.h"

#include "animation_timer.h"

#include <GL/freeglut.h>

static const double windowSize[2] = {300.0, 300.0}; // requested width and height, pixels

static void requestWindowSize()
{
    glutInitWindowSize(static_cast<int>(windowSize[0]), static_cast<int>(windowSize[1]));
}

int runProgram(const VariantProfile &profile, int argc, char **argv)
{
    // Requested before glutInit so that a -geometry option can still override it.
    requestWindowSize();

    if (profile.initToolkitFromCommandLine) {
        glutInit(&argc, argv);
    } else {
        // The toolkit must be initialised, but no option of ours may reach it.
        char *programOnly[] = {argv[0], nullptr};
        int programOnlyCount = 1;
        glutInit(&programOnlyCount, programOnly);
    }

    // A geometry option without a full size leaves the toolkit asking X for a
    // 0 x 0 window, which X refuses; fall back to the default size.
    if (glutGet(GLUT_INIT_WINDOW_WIDTH) < 1 || glutGet(GLUT_INIT_WINDOW_HEIGHT) < 1)
        requestWindowSize();

    if (profile.requestDisplayMode)
        glutInitDisplayMode(profile.displayMode);

    useSceneStyle(profile.scene);
    glutCreateWindow("Velmora");
    glutDisplayFunc(displayScene);
    glutReshapeFunc(reshapeView);

    // Nothing fires before the event loop runs, so this order is free.
    startAnimationTimer(profile.timerPeriodMs);
    initGraphicsState();

    glutMainLoop();
    return 0;
}
