// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "geometry_option.h"

#include "geometry_syntax.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

bool shortenNumbers(const char *geometry, char (&shortened)[shortGeometryLength])
{
    std::size_t length = 0;
    for (const char *c = geometry; *c != '\0';) {
        char number[16];
        const char *text = c;
        std::size_t textLength = 1;
        if (*c >= '0' && *c <= '9') {
            long value = 0;
            for (; *c >= '0' && *c <= '9'; ++c)
                value = std::min(value * 10 + (*c - '0'), geometryNumberLimit);
            textLength = static_cast<std::size_t>(std::snprintf(number, sizeof number, "%ld", value));
            text = number;
        } else {
            ++c;
        }
        if (length + textLength >= shortGeometryLength)
            return false;
        std::memcpy(shortened + length, text, textLength);
        length += textLength;
    }
    shortened[length] = '\0';
    return true;
}

static GeometryOption parseGeometryOption(const char *geometry)
{
    GeometryOption option = {true, false, false, false, false, 0, 0, 0, 0};
    char shortened[shortGeometryLength];
    if (!shortenNumbers(geometry, shortened))
        return option;
    const GeometryParts parts = parseGeometry(shortened);
    const unsigned size = geometryWidth | geometryHeight, place = geometryX | geometryY;
    option.fullSize = (parts.mask & size) == size;
    option.place = (parts.mask & place) == place;
    option.fromRight = (parts.mask & geometryXNegative) != 0;
    option.fromBottom = (parts.mask & geometryYNegative) != 0;
    // As the toolkit takes them: a height of "-5" wraps to an unsigned and back.
    option.width = static_cast<int>(parts.width);
    option.height = static_cast<int>(parts.height);
    option.offsetX = parts.x;
    option.offsetY = parts.y;
    return option;
}

// The index of the last argument that is the option as the toolkit finds
// it, skipping the value of each of the two options that take one; 0 where
// there is none.
static int lastToolkitOption(int argc, char **argv, const char *option)
{
    int found = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            found = i;
        if (std::strcmp(argv[i], "-geometry") == 0 || std::strcmp(argv[i], "-display") == 0)
            ++i;
    }
    return found;
}

GeometryOption readGeometryOption(int argc, char **argv)
{
    const int at = lastToolkitOption(argc, argv, "-geometry");
    const GeometryOption none = {false, false, false, false, false, 0, 0, 0, 0};
    return at == 0 || at + 1 >= argc ? none : parseGeometryOption(argv[at + 1]);
}

bool hasToolkitOption(int argc, char **argv, const char *option)
{
    return lastToolkitOption(argc, argv, option) != 0;
}
