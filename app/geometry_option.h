// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// What the toolkit will make of its options on the command line.
#pragma once

#include <cstddef>

// Larger than any screen and past X's 16-bit coordinates, yet far inside an
// int: a number in a geometry past it reads as it.
const long geometryNumberLimit = 1L << 20;

// Longer than any geometry X reads once its numbers are written short: at
// most seven signs and separators and four numbers of seven digits.
const std::size_t shortGeometryLength = 64;

// X's reader overflows an int on a long number, which would turn a size past
// the screen into a small one: each run of digits is written again as its
// value, held at geometryNumberLimit. False where the result is too long to
// be a geometry at all.
bool shortenNumbers(const char *geometry, char (&shortened)[shortGeometryLength]);

// The last -geometry on the command line, read whole as X reads it (a string
// that does not parse gives nothing at all), except that a number too large
// for X's reader reads as geometryNumberLimit instead of wrapping.
struct GeometryOption {
    bool given;                 // a -geometry at all: else the toolkit keeps the size and place requested before it
    bool fullSize;              // a width and a height: else the toolkit takes the size from memory it never set
    bool place;                 // both offsets: the toolkit then places the window
    bool fromRight, fromBottom; // "-X" or "-Y": a distance from the screen's right or bottom edge
    long width, height;         // where fullSize; a negative height (400x-5) as written
    long offsetX, offsetY;      // as written, negative (or zero) from the right or bottom edge
};
GeometryOption readGeometryOption(int argc, char **argv);

// Whether the command line holds the option as the toolkit finds it (the
// value of -geometry or -display never counts as an option).
bool hasToolkitOption(int argc, char **argv, const char *option);
