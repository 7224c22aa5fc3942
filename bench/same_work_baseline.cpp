// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The first-frame and running-cost baseline: one plain GLUT file doing the
// programs' per-frame work with nothing of theirs. Usage:
//   same_work_baseline single|double|bare PERIOD_MS
// single and double draw the overlay's three strings, the rod and one lit
// sphere, presenting with glFlush or glutSwapBuffers; bare only clears and
// presents (single-buffered), to show what the toolkit and renderer cost alone.
#include <GL/freeglut.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

static bool doubleBuffered = false; // present with glutSwapBuffers
static bool bare = false;           // clear and present only
static unsigned int periodMs = 20;  // timer period, ms
static double angle = 0.0;          // rotation of the rod, degrees
static double t = 0.0;              // simulated time, s

static void text(float x, float y, const char *s)
{
    glRasterPos3f(x, y, -1.0f);
    for (; *s != '\0'; ++s)
        glutBitmapCharacter(GLUT_BITMAP_HELVETICA_18, *s);
}

static void display()
{
    static const GLfloat red[4] = {1.0f, 0.0f, 0.0f, 0.0f};
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!bare) {
        glLoadIdentity();
        text(-0.8f, 0.8f, "OpenGL");
        text(-0.9f, 0.7f, "t=");
        text(-0.8f, 0.7f, "0.000000");
        glMaterialfv(GL_FRONT_AND_BACK, doubleBuffered ? GL_AMBIENT_AND_DIFFUSE : GL_DIFFUSE, red);
        glTranslated(0.0, 1.0, 0.0);
        glRotated(angle, 0.0, 0.0, 1.0);
        glTranslated(0.0, -1.0, 0.0);
        glBegin(GL_LINES);
        glVertex3d(0.0, 1.0, 0.0);
        glVertex3d(0.0, 0.0, 0.0);
        glEnd();
        glutSolidSphere(0.1, 30, 30);
    }
    if (doubleBuffered)
        glutSwapBuffers();
    else
        glFlush();
}

static void reshape(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, static_cast<double>(width) / (height > 0 ? height : 1), 1.0, 100.0);
    gluLookAt(0.0, 0.5, 3.0, 0.0, 0.5, 0.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
}

static void tick(int)
{
    glutPostRedisplay();
    // The same swing as the programs', so the bob covers as many pixels.
    t += 0.01;
    angle = 29.75 * std::sin(2.0 * 3.14159 * t / 2.09);
    glutTimerFunc(periodMs, tick, 0);
}

int main(int argc, char **argv)
{
    glutInit(&argc, argv);
    doubleBuffered = argc > 1 && std::strcmp(argv[1], "double") == 0;
    bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    periodMs = argc > 2 ? static_cast<unsigned int>(std::strtoul(argv[2], nullptr, 10)) : 20;
    glutInitDisplayMode(GLUT_RGBA | GLUT_DEPTH | (doubleBuffered ? GLUT_DOUBLE : GLUT_SINGLE));
    glutInitWindowSize(300, 300);
    glutCreateWindow("Velmora");
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    if (doubleBuffered) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
    }
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glutTimerFunc(0, tick, 0);
    glutMainLoop();
    return 0;
}
