// Runs velmora and tarnwick under the test binary's own Xvfb server.
#pragma once

#include "x_harness.h"

#include <string>
#include <vector>

struct ProgramCase {
    const char *name;
    const char *path;
};
extern const ProgramCase bothPrograms[2];

struct RunningProgram {
    pid_t pid = -1;
    Display *dpy = nullptr;
    Window window = 0;
};

// Starts the program (argv[0] first, then its arguments) and waits for its
// window; the window is 0 if none appeared.
RunningProgram startProgram(const std::vector<std::string> &argv, const std::vector<std::string> &env = {});
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
