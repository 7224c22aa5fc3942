// Runs a program under a private Xvfb for a moment and writes a PNG of its
// window: window_screenshot PROGRAM OUTPUT.png [MILLISECONDS]
#include "png_writer.h"
#include "x_harness.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM OUTPUT.png [MILLISECONDS]\n", argv[0]);
        return 2;
    }
    const int runMs = argc > 3 ? static_cast<int>(std::strtol(argv[3], nullptr, 10)) : 600;
    XServer server;
    if (!startXServer(server)) {
        std::fprintf(stderr, "%s: cannot start Xvfb\n", argv[0]);
        return 1;
    }
    RunningProgram program = startProgram(server, {argv[1]});
    bool written = false;
    if (program.window != 0) {
        sleepMs(runMs);
        written = writePng(captureWindow(program.dpy, program.window), argv[2]);
    }
    stopProgram(program);
    stopXServer(server);
    if (!written)
        std::fprintf(stderr, "%s: no window of %s captured\n", argv[0], argv[1]);
    return written ? 0 : 1;
}
