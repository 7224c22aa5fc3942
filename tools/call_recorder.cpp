// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Records the GL, GLU and GLUT calls that a program makes itself, one line
// each, into the file named by CALL_RECORD, which it makes (an existing one
// is left as it is and nothing recorded): loaded with LD_PRELOAD by the trace
// tests, never linked into the programs. Calls the toolkit makes inside a
// recorded call are its own and are left out. Callbacks are numbered f1, f2...
// in the order they are first handed over, and each run of one is marked with
// the event that ran it: "> display()", "> reshape(W, H)", "> timer(V)".
#include "call_record.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

static int depth = 0; // recorded calls under way; only calls made at depth 0 are the program's

struct Nested {
    Nested() { ++depth; }
    ~Nested() { --depth; }
    Nested(const Nested &) = delete;
    Nested &operator=(const Nested &) = delete;
};

template <typename Function> static Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

static void writeLine(const std::string &line)
{
    static int out = -2; // the record file, -1 if none was asked for
    if (out == -2) {
        // A record is always this run's own: an existing file is never written over.
        const char *path = std::getenv("CALL_RECORD");
        out = path != nullptr ? open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644) : -1;
        if (path != nullptr && out < 0)
            std::fprintf(stderr, "call recorder: cannot make %s\n", path);
    }
    // One write a line, so the record survives the process being killed.
    const std::string withNewline = line + "\n";
    if (out >= 0 && write(out, withNewline.data(), withNewline.size()) < 0)
        out = -1;
}

struct Enum {
    GLenum value;
};
struct Callback {
    const void *address;
};
struct Font {
    void *font;
};
struct Colour {
    const GLfloat *rgba;
};
struct ArgumentList {
    int argc;
    char **argv;
};

static std::string shown(int value)
{
    return std::to_string(value);
}
static std::string shown(unsigned int value)
{
    return std::to_string(value);
}
static std::string shown(float value)
{
    return shortestText(value, true);
}
static std::string shown(double value)
{
    return shortestText(value);
}
static std::string shown(const char *value)
{
    return std::string("\"") + value + "\"";
}
static std::string shown(Enum e)
{
    static const std::pair<GLenum, const char *> names[] = {
        {GL_DEPTH_TEST, "GL_DEPTH_TEST"},
        {GL_CULL_FACE, "GL_CULL_FACE"},
        {GL_LIGHTING, "GL_LIGHTING"},
        {GL_LIGHT0, "GL_LIGHT0"},
        {GL_COLOR_MATERIAL, "GL_COLOR_MATERIAL"},
        {GL_BACK, "GL_BACK"},
        {GL_FRONT, "GL_FRONT"},
        {GL_FRONT_AND_BACK, "GL_FRONT_AND_BACK"},
        {GL_AMBIENT, "GL_AMBIENT"},
        {GL_DIFFUSE, "GL_DIFFUSE"},
        {GL_AMBIENT_AND_DIFFUSE, "GL_AMBIENT_AND_DIFFUSE"},
        {GL_SPECULAR, "GL_SPECULAR"},
        {GL_EMISSION, "GL_EMISSION"},
        {GL_PROJECTION, "GL_PROJECTION"},
        {GL_MODELVIEW, "GL_MODELVIEW"},
        {GL_LINES, "GL_LINES"},
        {GL_LINE_STRIP, "GL_LINE_STRIP"},
        {GL_MAX_VIEWPORT_DIMS, "GL_MAX_VIEWPORT_DIMS"},
    };
    const auto *const known =
        std::find_if(std::begin(names), std::end(names), [&](const auto &n) { return n.first == e.value; });
    if (known != std::end(names))
        return known->second;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04x", e.value);
    return hex;
}
static std::string shown(Callback callback)
{
    static const void *seen[16] = {}; // callbacks in the order first handed over
    size_t i = 0;
    while (i < 16 && seen[i] != nullptr && seen[i] != callback.address)
        ++i;
    if (i == 16)
        return "f?";
    seen[i] = callback.address;
    return "f" + std::to_string(i + 1);
}
static std::string shown(Font f)
{
    static const std::pair<void *, const char *> fonts[] = {
        {GLUT_BITMAP_9_BY_15, "GLUT_BITMAP_9_BY_15"},
        {GLUT_BITMAP_8_BY_13, "GLUT_BITMAP_8_BY_13"},
        {GLUT_BITMAP_TIMES_ROMAN_10, "GLUT_BITMAP_TIMES_ROMAN_10"},
        {GLUT_BITMAP_TIMES_ROMAN_24, "GLUT_BITMAP_TIMES_ROMAN_24"},
        {GLUT_BITMAP_HELVETICA_10, "GLUT_BITMAP_HELVETICA_10"},
        {GLUT_BITMAP_HELVETICA_12, "GLUT_BITMAP_HELVETICA_12"},
        {GLUT_BITMAP_HELVETICA_18, "GLUT_BITMAP_HELVETICA_18"},
    };
    const auto *const known =
        std::find_if(std::begin(fonts), std::end(fonts), [&](const auto &k) { return k.first == f.font; });
    return known != std::end(fonts) ? known->second : "font?";
}
static std::string shown(Colour c)
{
    return "{" + shown(c.rgba[0]) + ", " + shown(c.rgba[1]) + ", " + shown(c.rgba[2]) + ", " + shown(c.rgba[3]) + "}";
}
// The arguments after the program's name: the options the toolkit is handed.
static std::string shown(ArgumentList list)
{
    std::string joined;
    for (int i = 1; i < list.argc; ++i)
        joined += (i > 1 ? ", " : "") + shown(list.argv[i]);
    return "{" + joined + "}";
}

template <typename... Arguments> static void note(const char *name, Arguments... arguments)
{
    if (depth != 0)
        return;
    std::string line = std::string(name) + "(";
    const char *separator = "";
    for (const std::string &argument : std::initializer_list<std::string>{shown(arguments)...}) {
        line += separator + argument;
        separator = ", ";
    }
    writeLine(line + ")");
}

// The program's callbacks run with nothing recorded under way; each run is marked.
static void (*displayCallback)() = nullptr;
static void (*reshapeCallback)(int, int) = nullptr;
static struct {
    void (*callback)(int);
    int value;
} timers[16]; // armed timers by slot; the slot travels as the toolkit's timer value

static void runDisplay()
{
    const int outer = depth;
    depth = 0;
    writeLine("> display()");
    displayCallback();
    depth = outer;
}

static void runReshape(int width, int height)
{
    const int outer = depth;
    depth = 0;
    writeLine("> reshape(" + shown(width) + ", " + shown(height) + ")");
    reshapeCallback(width, height);
    depth = outer;
}

static void runTimer(int slot)
{
    const int outer = depth;
    depth = 0;
    void (*callback)(int) = timers[slot].callback;
    const int value = timers[slot].value;
    timers[slot].callback = nullptr;
    writeLine("> timer(" + shown(value) + ")");
    callback(value);
    depth = outer;
}

#define FORWARD(name)                                                                                                  \
    static const auto real = next<decltype(&(name))>(#name);                                                           \
    const Nested nested

extern "C" {

void glutInit(int *argc, char **argv)
{
    note("glutInit", ArgumentList{*argc, argv});
    FORWARD(glutInit);
    real(argc, argv);
}
void glutInitWindowSize(int width, int height)
{
    note("glutInitWindowSize", width, height);
    FORWARD(glutInitWindowSize);
    real(width, height);
}
void glutInitWindowPosition(int x, int y)
{
    note("glutInitWindowPosition", x, y);
    FORWARD(glutInitWindowPosition);
    real(x, y);
}
void glutInitDisplayMode(unsigned int mode)
{
    note("glutInitDisplayMode", mode);
    FORWARD(glutInitDisplayMode);
    real(mode);
}
int glutCreateWindow(const char *title)
{
    note("glutCreateWindow", title);
    FORWARD(glutCreateWindow);
    return real(title);
}
void glutDisplayFunc(void (*callback)())
{
    note("glutDisplayFunc", Callback{reinterpret_cast<const void *>(callback)});
    FORWARD(glutDisplayFunc);
    displayCallback = callback;
    real(callback != nullptr ? runDisplay : nullptr);
}
void glutReshapeFunc(void (*callback)(int, int))
{
    note("glutReshapeFunc", Callback{reinterpret_cast<const void *>(callback)});
    FORWARD(glutReshapeFunc);
    reshapeCallback = callback;
    real(callback != nullptr ? runReshape : nullptr);
}
void glutTimerFunc(unsigned int time, void (*callback)(int), int value)
{
    note("glutTimerFunc", time, Callback{reinterpret_cast<const void *>(callback)}, value);
    FORWARD(glutTimerFunc);
    int slot = 0;
    while (slot < 15 && timers[slot].callback != nullptr)
        ++slot;
    timers[slot] = {callback, value};
    real(time, runTimer, slot);
}
void glutMainLoop()
{
    note("glutMainLoop");
    FORWARD(glutMainLoop);
    real();
}
void glutPostRedisplay()
{
    note("glutPostRedisplay");
    FORWARD(glutPostRedisplay);
    real();
}
void glutSwapBuffers()
{
    note("glutSwapBuffers");
    FORWARD(glutSwapBuffers);
    real();
}
void glutBitmapCharacter(void *font, int character)
{
    note("glutBitmapCharacter", Font{font}, character);
    FORWARD(glutBitmapCharacter);
    real(font, character);
}
void glutSolidSphere(double radius, GLint slices, GLint stacks)
{
    note("glutSolidSphere", radius, slices, stacks);
    FORWARD(glutSolidSphere);
    real(radius, slices, stacks);
}
void glutWireSphere(double radius, GLint slices, GLint stacks)
{
    note("glutWireSphere", radius, slices, stacks);
    FORWARD(glutWireSphere);
    real(radius, slices, stacks);
}

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar)
{
    note("gluPerspective", fovy, aspect, zNear, zFar);
    FORWARD(gluPerspective);
    real(fovy, aspect, zNear, zFar);
}
void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY, GLdouble centreZ,
               GLdouble upX, GLdouble upY, GLdouble upZ)
{
    note("gluLookAt", eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ);
    FORWARD(gluLookAt);
    real(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ);
}

void glClear(GLbitfield mask)
{
    std::string bits;
    for (const auto &bit : {std::make_pair(GL_COLOR_BUFFER_BIT, "GL_COLOR_BUFFER_BIT"),
                            std::make_pair(GL_DEPTH_BUFFER_BIT, "GL_DEPTH_BUFFER_BIT"),
                            std::make_pair(GL_STENCIL_BUFFER_BIT, "GL_STENCIL_BUFFER_BIT"),
                            std::make_pair(GL_ACCUM_BUFFER_BIT, "GL_ACCUM_BUFFER_BIT")})
        if ((mask & static_cast<GLbitfield>(bit.first)) != 0)
            bits += (bits.empty() ? "" : " | ") + std::string(bit.second);
    if (depth == 0)
        writeLine("glClear(" + bits + ")");
    FORWARD(glClear);
    real(mask);
}
void glClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)
{
    note("glClearColor", red, green, blue, alpha);
    FORWARD(glClearColor);
    real(red, green, blue, alpha);
}
void glEnable(GLenum cap)
{
    note("glEnable", Enum{cap});
    FORWARD(glEnable);
    real(cap);
}
void glDisable(GLenum cap)
{
    note("glDisable", Enum{cap});
    FORWARD(glDisable);
    real(cap);
}
void glCullFace(GLenum mode)
{
    note("glCullFace", Enum{mode});
    FORWARD(glCullFace);
    real(mode);
}
void glGetIntegerv(GLenum pname, GLint *data)
{
    note("glGetIntegerv", Enum{pname});
    FORWARD(glGetIntegerv);
    real(pname, data);
}
void glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    note("glViewport", x, y, width, height);
    FORWARD(glViewport);
    real(x, y, width, height);
}
void glMatrixMode(GLenum mode)
{
    note("glMatrixMode", Enum{mode});
    FORWARD(glMatrixMode);
    real(mode);
}
void glLoadIdentity()
{
    note("glLoadIdentity");
    FORWARD(glLoadIdentity);
    real();
}
void glPushMatrix()
{
    note("glPushMatrix");
    FORWARD(glPushMatrix);
    real();
}
void glPopMatrix()
{
    note("glPopMatrix");
    FORWARD(glPopMatrix);
    real();
}
void glColor3f(GLfloat red, GLfloat green, GLfloat blue)
{
    note("glColor3f", red, green, blue);
    FORWARD(glColor3f);
    real(red, green, blue);
}
void glRasterPos2f(GLfloat x, GLfloat y)
{
    note("glRasterPos2f", x, y);
    FORWARD(glRasterPos2f);
    real(x, y);
}
void glRasterPos3f(GLfloat x, GLfloat y, GLfloat z)
{
    note("glRasterPos3f", x, y, z);
    FORWARD(glRasterPos3f);
    real(x, y, z);
}
void glMaterialfv(GLenum face, GLenum pname, const GLfloat *params)
{
    note("glMaterialfv", Enum{face}, Enum{pname}, Colour{params});
    FORWARD(glMaterialfv);
    real(face, pname, params);
}
void glTranslated(GLdouble x, GLdouble y, GLdouble z)
{
    note("glTranslated", x, y, z);
    FORWARD(glTranslated);
    real(x, y, z);
}
void glTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    note("glTranslatef", x, y, z);
    FORWARD(glTranslatef);
    real(x, y, z);
}
void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z)
{
    note("glRotated", angle, x, y, z);
    FORWARD(glRotated);
    real(angle, x, y, z);
}
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z)
{
    note("glRotatef", angle, x, y, z);
    FORWARD(glRotatef);
    real(angle, x, y, z);
}
void glBegin(GLenum mode)
{
    note("glBegin", Enum{mode});
    FORWARD(glBegin);
    real(mode);
}
void glVertex3d(GLdouble x, GLdouble y, GLdouble z)
{
    note("glVertex3d", x, y, z);
    FORWARD(glVertex3d);
    real(x, y, z);
}
void glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    note("glVertex3f", x, y, z);
    FORWARD(glVertex3f);
    real(x, y, z);
}
void glEnd()
{
    note("glEnd");
    FORWARD(glEnd);
    real();
}
void glFlush()
{
    note("glFlush");
    FORWARD(glFlush);
    real();
}
void glFinish()
{
    note("glFinish");
    FORWARD(glFinish);
    real();
}
}
