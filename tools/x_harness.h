// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Runs the programs under a private Xvfb server with Mesa's software renderer
// and looks at their windows through Xlib: the shared driver of the end-to-end
// tests, the screenshot tool and the benchmarks.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// The Xlib types used here, without Xlib's macros (None, Bool, Status) that
// clash with other headers.
using Display = struct _XDisplay; // NOLINT(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): Xlib's own name
using Window = unsigned long;

struct XServer {
    pid_t pid = -1;
    std::string display; // ":N"
};

// Starts Xvfb on a free display number; false if it cannot start.
bool startXServer(XServer &server, const char *screen = "1280x1024x24");
void stopXServer(XServer &server);

// Starts argv[0] with DISPLAY set to the server and software GL; extraEnv
// holds "NAME=value" entries. Returns the child's pid, or -1.
pid_t launchProgram(const XServer &server, const std::vector<std::string> &argv,
                    const std::vector<std::string> &extraEnv = {});

// Waits up to timeoutMs for the process to end; returns its wait status, or -1
// if it is still running.
int waitForExit(pid_t pid, int timeoutMs);
// Kills the process if it still runs and reaps it.
void killProgram(pid_t pid);

// X errors seen on the harness's connections, which count them rather than exit.
int xErrorCount();

std::string windowTitle(Display *dpy, Window window);

// The window's WM_CLASS: its instance and class names, empty where unset.
struct WindowClassNames {
    std::string instance, name;
};
WindowClassNames windowClassNames(Display *dpy, Window window);

// One image of the window's _NET_WM_ICON: pixels row by row as ARGB.
struct IconImage {
    int width, height;
    std::vector<unsigned long> argb;
};
std::vector<IconImage> windowIcon(Display *dpy, Window window);

struct WindowGeometry {
    int x, y;          // top-left corner in root coordinates, pixels
    int width, height; // pixels
};
WindowGeometry windowGeometry(Display *dpy, Window window);

// The largest size the window's WM_NORMAL_HINTS allow, 0 x 0 where they set none.
struct WindowSize {
    int width, height;
};
WindowSize windowMaxSize(Display *dpy, Window window);

struct Rgb {
    unsigned char r, g, b;
};
struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels; // row-major from the top-left
    const Rgb &at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Image captureWindow(Display *dpy, Window window);

// Sends WM_DELETE_WINDOW, as a window manager does when the user closes it.
void requestClose(Display *dpy, Window window);
// Places the window with its top-left corner at (x, y) in root coordinates.
void moveResizeWindow(Display *dpy, Window window, int x, int y, int width, int height);

// Unmaps or maps the window and waits for the server to have done it.
void unmapWindow(Display *dpy, Window window);
void mapWindow(Display *dpy, Window window);

void sleepMs(int ms);

struct RunningProgram {
    pid_t pid = -1;
    Display *dpy = nullptr;
    Window window = 0;
    int exitStatus = -1; // the wait status, where the program ended without a window
};

// Starts the program (argv[0] first, then its arguments) and waits for its
// window, the one titled title; the window is 0 if none appeared within 15 s
// or the program ended.
RunningProgram startProgram(const XServer &server, const std::vector<std::string> &argv,
                            const std::vector<std::string> &env = {}, const char *title = "Velmora");
void stopProgram(RunningProgram &program);

// Waits until the first frame has been drawn (the top-left corner turns the
// clear colour), then captures the window.
Image captureFirstFrame(const RunningProgram &program);

// True if the time text region changes within a second.
bool timeTextAdvances(const RunningProgram &program);

// Sends WM_DELETE_WINDOW; returns the wait status, or -1 if the process did
// not end within five seconds.
int closeAndWait(RunningProgram &program);

struct RegionCount {
    int red, white, total;
};
// Counts red and white pixels in the rectangle [x0, x1) x [y0, y1); a pixel
// counts as white within 10 of 255 in each channel, as red with red above 128
// and green and blue below 80.
RegionCount countPixels(const Image &image, int x0, int y0, int x1, int y1);
