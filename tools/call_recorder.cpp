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
struct Font {
    void *font;
};
struct Colour {
    const GLfloat *rgba;
};
struct Mask {
    GLbitfield bits;
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
// A table's entry for a constant: its value and its name as the headers spell it.
#define NAMED(constant) std::make_pair(constant, #constant)

// The name a table gives a value, or nullptr.
template <typename Value, std::size_t Count>
static const char *nameOf(const std::pair<Value, const char *> (&names)[Count], Value value)
{
    const auto *const found =
        std::find_if(std::begin(names), std::end(names), [value](const auto &name) { return name.first == value; });
    return found != std::end(names) ? found->second : nullptr;
}

static std::string shown(Enum e)
{
    static const std::pair<GLenum, const char *> names[] = {
        NAMED(GL_DEPTH_TEST), NAMED(GL_CULL_FACE),           NAMED(GL_LIGHTING),
        NAMED(GL_LIGHT0),     NAMED(GL_COLOR_MATERIAL),      NAMED(GL_BACK),
        NAMED(GL_FRONT),      NAMED(GL_FRONT_AND_BACK),      NAMED(GL_AMBIENT),
        NAMED(GL_DIFFUSE),    NAMED(GL_AMBIENT_AND_DIFFUSE), NAMED(GL_SPECULAR),
        NAMED(GL_EMISSION),   NAMED(GL_PROJECTION),          NAMED(GL_MODELVIEW),
        NAMED(GL_LINES),      NAMED(GL_LINE_STRIP),          NAMED(GL_MAX_VIEWPORT_DIMS),
    };
    const char *const name = nameOf(names, e.value);
    if (name != nullptr)
        return name;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04x", e.value);
    return hex;
}
// Callbacks by the order they are first handed over, whatever their type: f1, f2...
static std::string callbackName(const void *address)
{
    static const void *seen[16] = {};
    size_t i = 0;
    while (i < 16 && seen[i] != nullptr && seen[i] != address)
        ++i;
    if (i == 16)
        return "f?";
    seen[i] = address;
    return "f" + std::to_string(i + 1);
}
template <typename... Parameters> static std::string shown(void (*callback)(Parameters...))
{
    return callbackName(reinterpret_cast<const void *>(callback));
}
static std::string shown(Font f)
{
    static const std::pair<void *, const char *> fonts[] = {
        NAMED(GLUT_BITMAP_9_BY_15),        NAMED(GLUT_BITMAP_8_BY_13),      NAMED(GLUT_BITMAP_TIMES_ROMAN_10),
        NAMED(GLUT_BITMAP_TIMES_ROMAN_24), NAMED(GLUT_BITMAP_HELVETICA_10), NAMED(GLUT_BITMAP_HELVETICA_12),
        NAMED(GLUT_BITMAP_HELVETICA_18),
    };
    const char *const name = nameOf(fonts, f.font);
    return name != nullptr ? name : "font?";
}
static std::string shown(Colour c)
{
    return "{" + shown(c.rgba[0]) + ", " + shown(c.rgba[1]) + ", " + shown(c.rgba[2]) + ", " + shown(c.rgba[3]) + "}";
}
static std::string shown(Mask mask)
{
    std::string bits;
    for (const auto &bit : {std::make_pair(GL_COLOR_BUFFER_BIT, "GL_COLOR_BUFFER_BIT"),
                            std::make_pair(GL_DEPTH_BUFFER_BIT, "GL_DEPTH_BUFFER_BIT"),
                            std::make_pair(GL_STENCIL_BUFFER_BIT, "GL_STENCIL_BUFFER_BIT"),
                            std::make_pair(GL_ACCUM_BUFFER_BIT, "GL_ACCUM_BUFFER_BIT")})
        if ((mask.bits & static_cast<GLbitfield>(bit.first)) != 0)
            bits += (bits.empty() ? "" : " | ") + std::string(bit.second);
    return bits;
}
// The arguments after the program's name: the options the toolkit is handed.
static std::string shown(ArgumentList list)
{
    std::string options;
    for (int i = 1; i < list.argc; ++i)
        options += (i > 1 ? ", " : "") + shown(list.argv[i]);
    return "{" + options + "}";
}

// The arguments as the record shows them: "A, B, C".
template <typename... Arguments> static std::string joined(Arguments... arguments)
{
    std::string line;
    const char *separator = "";
    for (const std::string &argument : std::initializer_list<std::string>{shown(arguments)...}) {
        line += separator + argument;
        separator = ", ";
    }
    return line;
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

// The toolkit's callbacks handed over in their place, with the program's own kept to run.
static void (*displayRunner(void (*callback)()))()
{
    displayCallback = callback;
    return callback != nullptr ? runDisplay : nullptr;
}
static void (*reshapeRunner(void (*callback)(int, int)))(int, int)
{
    reshapeCallback = callback;
    return callback != nullptr ? runReshape : nullptr;
}
static int timerSlot(void (*callback)(int), int value)
{
    int slot = 0;
    while (slot < 15 && timers[slot].callback != nullptr)
        ++slot;
    timers[slot] = {callback, value};
    return slot;
}

// Each call: noted (when the program made it), then handed on to the real
// function with the calls it makes in turn marked as not the program's.
#define RECORD(result, name, parameters, shownArguments, arguments)                                                    \
    result name parameters                                                                                             \
    {                                                                                                                  \
        if (depth == 0)                                                                                                \
            writeLine(#name "(" + joined shownArguments + ")");                                                        \
        static const auto real = next<decltype(&(name))>(#name);                                                       \
        const Nested nested;                                                                                           \
        return real arguments;                                                                                         \
    }

// The calls recorded, one a line: result, name, parameters, the arguments as
// the record shows them (Enum, Font... choose how), and the arguments handed
// on to the real call, which may put the recorder's own in their place.
extern "C" {
// clang-format off
RECORD(void, glutInit, (int *argc, char **argv), (ArgumentList{*argc, argv}), (argc, argv))
RECORD(void, glutInitWindowSize, (int width, int height), (width, height), (width, height))
RECORD(void, glutInitWindowPosition, (int x, int y), (x, y), (x, y))
RECORD(void, glutInitDisplayMode, (unsigned int mode), (mode), (mode))
RECORD(int, glutCreateWindow, (const char *title), (title), (title))
RECORD(void, glutDisplayFunc, (void (*callback)()), (callback), (displayRunner(callback)))
RECORD(void, glutReshapeFunc, (void (*callback)(int, int)), (callback), (reshapeRunner(callback)))
RECORD(void, glutTimerFunc, (unsigned int time, void (*callback)(int), int value),
       (time, callback, value), (time, runTimer, timerSlot(callback, value)))
RECORD(void, glutMainLoop, (), (), ())
RECORD(void, glutPostRedisplay, (), (), ())
RECORD(void, glutSwapBuffers, (), (), ())
RECORD(void, glutBitmapCharacter, (void *font, int character), (Font{font}, character), (font, character))
RECORD(void, glutSolidSphere, (double radius, GLint slices, GLint stacks),
       (radius, slices, stacks), (radius, slices, stacks))
RECORD(void, glutWireSphere, (double radius, GLint slices, GLint stacks),
       (radius, slices, stacks), (radius, slices, stacks))
RECORD(void, gluPerspective, (GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar),
       (fovy, aspect, zNear, zFar), (fovy, aspect, zNear, zFar))
RECORD(void, gluLookAt, (GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centreX, GLdouble centreY,
                         GLdouble centreZ, GLdouble upX, GLdouble upY, GLdouble upZ),
       (eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ),
       (eyeX, eyeY, eyeZ, centreX, centreY, centreZ, upX, upY, upZ))
RECORD(void, glClear, (GLbitfield mask), (Mask{mask}), (mask))
RECORD(void, glClearColor, (GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha),
       (red, green, blue, alpha), (red, green, blue, alpha))
RECORD(void, glEnable, (GLenum cap), (Enum{cap}), (cap))
RECORD(void, glGetIntegerv, (GLenum pname, GLint *data), (Enum{pname}), (pname, data))
RECORD(void, glDisable, (GLenum cap), (Enum{cap}), (cap))
RECORD(void, glCullFace, (GLenum mode), (Enum{mode}), (mode))
RECORD(void, glViewport, (GLint x, GLint y, GLsizei width, GLsizei height),
       (x, y, width, height), (x, y, width, height))
RECORD(void, glMatrixMode, (GLenum mode), (Enum{mode}), (mode))
RECORD(void, glLoadIdentity, (), (), ())
RECORD(void, glPushMatrix, (), (), ())
RECORD(void, glPopMatrix, (), (), ())
RECORD(void, glColor3f, (GLfloat red, GLfloat green, GLfloat blue), (red, green, blue), (red, green, blue))
RECORD(void, glRasterPos2f, (GLfloat x, GLfloat y), (x, y), (x, y))
RECORD(void, glRasterPos3f, (GLfloat x, GLfloat y, GLfloat z), (x, y, z), (x, y, z))
RECORD(void, glMaterialfv, (GLenum face, GLenum pname, const GLfloat *params),
       (Enum{face}, Enum{pname}, Colour{params}), (face, pname, params))
RECORD(void, glTranslated, (GLdouble x, GLdouble y, GLdouble z), (x, y, z), (x, y, z))
RECORD(void, glTranslatef, (GLfloat x, GLfloat y, GLfloat z), (x, y, z), (x, y, z))
RECORD(void, glRotated, (GLdouble angle, GLdouble x, GLdouble y, GLdouble z), (angle, x, y, z), (angle, x, y, z))
RECORD(void, glRotatef, (GLfloat angle, GLfloat x, GLfloat y, GLfloat z), (angle, x, y, z), (angle, x, y, z))
RECORD(void, glBegin, (GLenum mode), (Enum{mode}), (mode))
RECORD(void, glVertex3d, (GLdouble x, GLdouble y, GLdouble z), (x, y, z), (x, y, z))
RECORD(void, glVertex3f, (GLfloat x, GLfloat y, GLfloat z), (x, y, z), (x, y, z))
RECORD(void, glEnd, (), (), ())
RECORD(void, glFlush, (), (), ())
RECORD(void, glFinish, (), (), ())
// clang-format on
}
