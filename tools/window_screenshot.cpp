// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Runs a program under a private Xvfb for a moment and writes a PNG of its
// window, or with --frames N, N PNGs one every 40 ms for an animation:
//   window_screenshot [--frames N] PROGRAM OUTPUT.png [MILLISECONDS]
// The frames are named OUTPUT-000.png, OUTPUT-001.png, ...
#include "png_writer.h"
#include "x_harness.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    int frames = 1;
    if (argc > 2 && std::strcmp(argv[1], "--frames") == 0) {
        frames = static_cast<int>(std::strtol(argv[2], nullptr, 10));
        argc -= 2;
        argv += 2;
    }
    if (argc < 3 || frames < 1) {
        std::fprintf(stderr, "usage: window_screenshot [--frames N] PROGRAM OUTPUT.png [MILLISECONDS]\n");
        return 2;
    }
    const int runMs = argc > 3 ? static_cast<int>(std::strtol(argv[3], nullptr, 10)) : 600;
    XServer server;
    if (!startXServer(server)) {
        std::fprintf(stderr, "window_screenshot: cannot start Xvfb\n");
        return 1;
    }
    RunningProgram program = startProgram(server, {argv[1]});
    int written = 0;
    if (program.window != 0) {
        sleepMs(runMs);
        const std::string output = argv[2], stem = output.substr(0, output.rfind(".png"));
        for (int frame = 0; frame < frames; ++frame) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "-%03d.png", frame);
            const std::string path = frames == 1 ? output : stem + suffix;
            written += static_cast<int>(writePng(captureWindow(program.dpy, program.window), path.c_str()));
            if (frame + 1 < frames)
                sleepMs(40);
        }
    }
    stopProgram(program);
    stopXServer(server);
    if (written < frames)
        std::fprintf(stderr, "window_screenshot: no window of %s captured\n", argv[1]);
    return written == frames ? 0 : 1;
}
