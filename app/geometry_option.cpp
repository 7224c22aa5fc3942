// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "geometry_option.h"

#include <cstring>

// Offsets beyond X's 16-bit coordinates are read as this much, which is
// enough to tell that they place the window off screen.
static const long offsetLimit = 1L << 20;

// Reads an integer as X reads one (an optional sign, then digits) into
// value; returns the character after it, or nullptr where nothing is read.
static const char *readInteger(const char *c, long &value)
{
    const bool negative = *c == '-';
    const char *end = c + ((*c == '+' || *c == '-') ? 1 : 0);
    const char *digits = end;
    value = 0;
    for (; *end >= '0' && *end <= '9'; ++end)
        value = value < offsetLimit ? value * 10 + (*end - '0') : offsetLimit;
    value = negative ? -value : value;
    return end == digits ? nullptr : end;
}

// One offset, "+N" or "-N", after the size; nullptr where it does not parse.
static const char *readOffset(const char *c, bool &fromEdge, long &offset)
{
    fromEdge = *c == '-';
    c = readInteger(c + 1, offset);
    offset = fromEdge ? -offset : offset;
    return c;
}

// X's geometry syntax, [=][W][{xX}H][{+-}X[{+-}Y]].
static GeometryOption parseGeometry(const char *geometry)
{
    const GeometryOption nothing = {false, false, false, false, 0, 0};
    GeometryOption option = nothing;
    const char *c = geometry + (*geometry == '=' ? 1 : 0);
    long size = 0;
    bool width = false, height = false;
    if (*c != '+' && *c != '-' && *c != 'x') {
        c = readInteger(c, size);
        if (c == nullptr)
            return nothing;
        width = true;
    }
    if (*c == 'x' || *c == 'X') {
        c = readInteger(c + 1, size);
        if (c == nullptr)
            return nothing;
        height = true;
    }
    int offsets = 0;
    if (*c == '+' || *c == '-') {
        c = readOffset(c, option.fromRight, option.offsetX);
        if (c == nullptr)
            return nothing;
        ++offsets;
        if (*c == '+' || *c == '-') {
            c = readOffset(c, option.fromBottom, option.offsetY);
            if (c == nullptr)
                return nothing;
            ++offsets;
        }
    }
    if (*c != '\0')
        return nothing;
    option.fullSize = width && height;
    option.place = offsets == 2;
    return option;
}

GeometryOption readGeometryOption(int argc, char **argv)
{
    const char *geometry = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-geometry") == 0)
            geometry = argv[i + 1];
        // The two options that take a value, as the toolkit skips them.
        if (std::strcmp(argv[i], "-geometry") == 0 || std::strcmp(argv[i], "-display") == 0)
            ++i;
    }
    // No -geometry: the toolkit keeps the size and place requested before it.
    const GeometryOption none = {true, false, false, false, 0, 0};
    return geometry == nullptr ? none : parseGeometry(geometry);
}

bool hasToolkitOption(int argc, char **argv, const char *option)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return true;
        if (std::strcmp(argv[i], "-geometry") == 0 || std::strcmp(argv[i], "-display") == 0)
            ++i;
    }
    return false;
}
