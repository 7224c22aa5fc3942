// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Runs a program under a private Xvfb for a moment and writes a PNG of its
// window, or with --frames N, N PNGs one every 40 ms for an animation:
//   window_screenshot [--frames N] PROGRAM OUTPUT.png [MILLISECONDS]
// The frames are named OUTPUT-000.png, OUTPUT-001.png, ...; for them it
// prints ImageMagick's arguments, "-delay CS FRAME" each, with each frame's
// real time on screen until the next capture, so an animation plays at the
// speed the program ran.
#include "png_writer.h"
#include "x_harness.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

static const int frameIntervalMs = 40;

// Centiseconds (a GIF's unit) from the first capture, rounded, so that the
// delays add up to the real span without a drift from rounding each one.
static long centiseconds(std::chrono::steady_clock::duration since)
{
    return std::lround(std::chrono::duration<double>(since).count() * 100.0);
}

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
        std::vector<std::string> paths;
        std::vector<std::chrono::steady_clock::time_point> captured;
        const auto start = std::chrono::steady_clock::now();
        for (int frame = 0; frame < frames; ++frame) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "-%03d.png", frame);
            paths.push_back(frames == 1 ? output : stem + suffix);
            // On a fixed schedule from the first capture, however long each takes.
            std::this_thread::sleep_until(start + std::chrono::milliseconds(frameIntervalMs * frame));
            captured.push_back(std::chrono::steady_clock::now());
            written += static_cast<int>(writePng(captureWindow(program.dpy, program.window), paths.back().c_str()));
        }
        for (int frame = 0; frames > 1 && frame < frames; ++frame) {
            // The last frame stays as long as the one before it.
            const int next = frame + 1 < frames ? frame + 1 : frame;
            const int from = frame + 1 < frames ? frame : frame - 1;
            std::printf("-delay %ld %s\n", centiseconds(captured[next] - start) - centiseconds(captured[from] - start),
                        paths[frame].c_str());
        }
    }
    stopProgram(program);
    stopXServer(server);
    if (written < frames)
        std::fprintf(stderr, "window_screenshot: no window of %s captured\n", argv[1]);
    return written == frames ? 0 : 1;
}
