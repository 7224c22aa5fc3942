#include "variant_profile.h"

#include <GL/freeglut.h>

// The toolkit's default display mode is single-buffered RGBA with a depth buffer.
const VariantProfile velmoraProfile = {
    false, false, 0,
    {GL_DIFFUSE, false, FramePresentation::flush},
    20,
};

const VariantProfile tarnwickProfile = {
    true, true, GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH,
    {GL_AMBIENT_AND_DIFFUSE, true, FramePresentation::swapBuffers},
    10,
};
