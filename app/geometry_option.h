// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// What the toolkit will make of its options on the command line.
#pragma once

// The last -geometry on the command line, read whole as X reads it: a string
// that does not parse gives nothing at all.
struct GeometryOption {
    bool fullSize;              // a width and a height: else the toolkit takes the size from memory it never set
    bool place;                 // both offsets: the toolkit then places the window
    bool fromRight, fromBottom; // "-X" or "-Y": a distance from the screen's right or bottom edge
    long offsetX, offsetY;      // as written, negative (or zero) from the right or bottom edge
};
GeometryOption readGeometryOption(int argc, char **argv);

// Whether the command line holds the option as the toolkit finds it (the
// value of -geometry or -display never counts as an option).
bool hasToolkitOption(int argc, char **argv, const char *option);
