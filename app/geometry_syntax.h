// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// X's geometry syntax, [=][W][{xX}H][{+-}X[{+-}Y]], read as X's own reader
// (XParseGeometry) reads it: on X by that reader, elsewhere by ours.
#pragma once

// The parts a string gives, as X's mask bits.
enum GeometryPart : unsigned char {
    geometryX = 0x1,
    geometryY = 0x2,
    geometryWidth = 0x4,
    geometryHeight = 0x8,
    geometryXNegative = 0x10, // "-X": a distance from the right edge
    geometryYNegative = 0x20, // "-Y": a distance from the bottom edge
};

struct GeometryParts {
    unsigned mask;          // 0 where the string does not parse
    int x, y;               // 0 where not given
    unsigned width, height; // 0 where not given; a negative height wraps, as in X
};

// Numbers past an int overflow X's reader: each must be at most
// geometryNumberLimit (geometry_option.h), as readGeometryOption makes them.
GeometryParts parseGeometry(const char *text);
