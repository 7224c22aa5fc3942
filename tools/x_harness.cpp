// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "x_harness.h"

#include <X11/X.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

void sleepMs(int ms)
{
    timespec delay = {ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&delay, &delay) != 0 && errno == EINTR) {}
}

static void execWithEnv(const std::vector<std::string> &argv, const std::vector<std::string> &env)
{
    for (const std::string &entry : env)
        putenv(strdup(entry.c_str()));
    std::vector<char *> args(argv.size() + 1, nullptr);
    std::transform(argv.begin(), argv.end(), args.begin(),
                   [](const std::string &arg) { return const_cast<char *>(arg.c_str()); });
    execvp(args[0], args.data());
    _exit(127);
}

bool startXServer(XServer &server, const char *screen)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        close(fds[0]);
        unsetenv("LD_PRELOAD"); // a sanitizer run's preloads are for the programs, not the server
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0)
            dup2(devNull, STDERR_FILENO);
        execWithEnv({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp"}, {});
    }
    close(fds[1]);
    // Xvfb writes the display number it chose once it accepts connections.
    std::string number;
    pollfd ready = {fds[0], POLLIN, 0};
    char c;
    while (poll(&ready, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        killProgram(pid);
        return false;
    }
    server.pid = pid;
    server.display = ":" + number;
    return true;
}

void stopXServer(XServer &server)
{
    if (server.pid > 0)
        killProgram(server.pid);
    server.pid = -1;
}

pid_t launchProgram(const XServer &server, const std::vector<std::string> &argv,
                    const std::vector<std::string> &extraEnv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<std::string> env = {"DISPLAY=" + server.display, "LIBGL_ALWAYS_SOFTWARE=1"};
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        execWithEnv(argv, env);
    }
    return pid;
}

int waitForExit(pid_t pid, int timeoutMs)
{
    for (int waited = 0;; waited += 10) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return status;
        if (waited >= timeoutMs)
            return -1;
        sleepMs(10);
    }
}

void killProgram(pid_t pid)
{
    if (waitForExit(pid, 0) != -1)
        return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

static int errorCount = 0; // X errors seen on harness connections

static int countXError(Display *, XErrorEvent *)
{
    ++errorCount;
    return 0;
}

// Opens a connection whose X errors are counted rather than fatal.
static Display *connectTo(const XServer &server)
{
    XSetErrorHandler(countXError);
    return XOpenDisplay(server.display.c_str());
}

static void disconnect(Display *dpy)
{
    if (dpy != nullptr)
        XCloseDisplay(dpy);
}

int xErrorCount()
{
    return errorCount;
}

std::string windowTitle(Display *dpy, Window window)
{
    char *name = nullptr;
    std::string title;
    if (XFetchName(dpy, window, &name) != 0 && name != nullptr)
        title = name;
    if (name != nullptr)
        XFree(name);
    return title;
}

WindowClassNames windowClassNames(Display *dpy, Window window)
{
    WindowClassNames names;
    XClassHint hint = {nullptr, nullptr};
    if (XGetClassHint(dpy, window, &hint) != 0) {
        names = {hint.res_name != nullptr ? hint.res_name : "", hint.res_class != nullptr ? hint.res_class : ""};
        XFree(hint.res_name);
        XFree(hint.res_class);
    }
    return names;
}

std::vector<IconImage> windowIcon(Display *dpy, Window window)
{
    std::vector<IconImage> images;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(dpy, window, XInternAtom(dpy, "_NET_WM_ICON", False), 0, 1L << 20, False, XA_CARDINAL, &type,
                           &format, &count, &after, &data) != Success)
        return images;
    // Xlib hands format-32 data over as longs, sign-extended: only the low 32
    // bits are the value. Each image is its width, its height, its pixels.
    std::vector<unsigned long> values(count);
    for (unsigned long i = 0; i < count; ++i)
        values[i] = reinterpret_cast<const unsigned long *>(data)[i] & 0xffffffffUL;
    for (unsigned long i = 0; format == 32 && i + 2 <= count;) {
        const unsigned long pixels = values[i] * values[i + 1];
        if (pixels == 0 || pixels > count - i - 2)
            break;
        images.push_back({static_cast<int>(values[i]), static_cast<int>(values[i + 1]),
                          std::vector<unsigned long>(values.begin() + static_cast<long>(i) + 2,
                                                     values.begin() + static_cast<long>(i + 2 + pixels))});
        i += 2 + pixels;
    }
    if (data != nullptr)
        XFree(data);
    return images;
}

static Window findViewable(Display *dpy, const char *title)
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count) == 0)
        return 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(dpy, children[i], &attributes) != 0 && attributes.map_state == IsViewable &&
            windowTitle(dpy, children[i]) == title)
            found = children[i];
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

WindowGeometry windowGeometry(Display *dpy, Window window)
{
    WindowGeometry geometry = {0, 0, 0, 0};
    XWindowAttributes attributes;
    Window child;
    if (XGetWindowAttributes(dpy, window, &attributes) != 0) {
        geometry.width = attributes.width;
        geometry.height = attributes.height;
        XTranslateCoordinates(dpy, window, DefaultRootWindow(dpy), 0, 0, &geometry.x, &geometry.y, &child);
    }
    return geometry;
}

// XGetImage of a window needs the area to lie on screen, and a window placed
// at the toolkit's default position starts at (-1, -1): the part off screen
// is left black.
Image captureWindow(Display *dpy, Window window)
{
    Image image;
    const WindowGeometry geometry = windowGeometry(dpy, window);
    const int left = geometry.x < 0 ? -geometry.x : 0;
    const int top = geometry.y < 0 ? -geometry.y : 0;
    const int right = std::min(geometry.width, DisplayWidth(dpy, DefaultScreen(dpy)) - geometry.x);
    const int bottom = std::min(geometry.height, DisplayHeight(dpy, DefaultScreen(dpy)) - geometry.y);
    if (right - left < 1 || bottom - top < 1)
        return image;
    XImage *x = XGetImage(dpy, window, left, top, static_cast<unsigned int>(right - left),
                          static_cast<unsigned int>(bottom - top), AllPlanes, ZPixmap);
    if (x == nullptr)
        return image;
    image.width = geometry.width;
    image.height = geometry.height;
    image.pixels.assign(static_cast<size_t>(image.width) * image.height, Rgb{0, 0, 0});
    for (int y = top; y < bottom; ++y)
        for (int px = left; px < right; ++px) {
            const unsigned long p = XGetPixel(x, px - left, y - top);
            image.pixels[static_cast<size_t>(y) * image.width + px] = {
                static_cast<unsigned char>((p & x->red_mask) >> 16),
                static_cast<unsigned char>((p & x->green_mask) >> 8), static_cast<unsigned char>(p & x->blue_mask)};
        }
    XDestroyImage(x);
    return image;
}

void requestClose(Display *dpy, Window window)
{
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window, False, NoEventMask, &event);
    XFlush(dpy);
}

WindowSize windowMaxSize(Display *dpy, Window window)
{
    XSizeHints hints = {};
    long supplied = 0;
    if (XGetWMNormalHints(dpy, window, &hints, &supplied) == 0 || (hints.flags & PMaxSize) == 0)
        return {0, 0};
    return {hints.max_width, hints.max_height};
}

void moveResizeWindow(Display *dpy, Window window, int x, int y, int width, int height)
{
    XMoveResizeWindow(dpy, window, x, y, static_cast<unsigned int>(width), static_cast<unsigned int>(height));
    XSync(dpy, False);
}

void unmapWindow(Display *dpy, Window window)
{
    XUnmapWindow(dpy, window);
    XSync(dpy, False);
}

void mapWindow(Display *dpy, Window window)
{
    XMapWindow(dpy, window);
    XSync(dpy, False);
}

RunningProgram startProgram(const XServer &server, const std::vector<std::string> &argv,
                            const std::vector<std::string> &env, const char *title)
{
    RunningProgram program;
    program.dpy = connectTo(server);
    program.pid = launchProgram(server, argv, env);
    for (int waited = 0; program.dpy != nullptr && program.window == 0 && waited <= 15000; waited += 10) {
        program.window = findViewable(program.dpy, title);
        if (program.window == 0 && waitpid(program.pid, &program.exitStatus, WNOHANG) == program.pid) {
            program.pid = -1;
            break;
        }
        sleepMs(program.window == 0 ? 10 : 0);
    }
    return program;
}

void stopProgram(RunningProgram &program)
{
    if (program.pid > 0)
        killProgram(program.pid);
    disconnect(program.dpy);
    program = RunningProgram();
    // Let the server forget the window before the next program maps one.
    sleepMs(50);
}

Image captureFirstFrame(const RunningProgram &program)
{
    Image image;
    for (int waited = 0; waited < 10000; waited += 5) {
        image = captureWindow(program.dpy, program.window);
        if (image.width > 4 && countPixels(image, 2, 2, 4, 4).white == 4)
            break;
        sleepMs(5);
    }
    return image;
}

RegionCount countPixels(const Image &image, int x0, int y0, int x1, int y1)
{
    RegionCount count = {0, 0, 0};
    for (int y = std::max(y0, 0); y < std::min(y1, image.height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, image.width); ++x) {
            const Rgb &p = image.at(x, y);
            count.white += static_cast<int>(p.r >= 245 && p.g >= 245 && p.b >= 245);
            count.red += static_cast<int>(p.r > 128 && p.g < 80 && p.b < 80);
            ++count.total;
        }
    return count;
}

bool timeTextAdvances(const RunningProgram &program)
{
    // The text row "t=..." lies about 35 to 45 % of the way down, left of centre.
    const Image before = captureWindow(program.dpy, program.window);
    const int y0 = before.height * 35 / 100, y1 = before.height * 45 / 100;
    for (int waited = 0; waited < 1000; waited += 50) {
        sleepMs(50);
        const Image now = captureWindow(program.dpy, program.window);
        if (now.width != before.width || now.height != before.height)
            return false;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < now.width / 2; ++x)
                if (now.at(x, y).r != before.at(x, y).r || now.at(x, y).g != before.at(x, y).g)
                    return true;
    }
    return false;
}

int closeAndWait(RunningProgram &program)
{
    requestClose(program.dpy, program.window);
    const int status = waitForExit(program.pid, 5000);
    if (status != -1)
        program.pid = -1;
    return status;
}
