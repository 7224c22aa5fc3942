// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "geometry_option.h"

#include "geometry_syntax.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>

// Longer than any geometry X reads once its numbers are written short: at
// most seven signs and separators and four numbers of seven digits.
static const std::size_t shortGeometryLength = 64;

// X's reader overflows an int on a long number, which would turn a size
// past the screen into a small one: each run of digits is written again as
// its value, held at geometryNumberLimit. False where the result is too long
// to be a geometry at all.
static bool shortenNumbers(const char *geometry, char (&shortened)[shortGeometryLength])
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
    const GeometryOption none = {false, false, false, false, false, 0, 0, 0, 0};
    return geometry == nullptr ? none : parseGeometryOption(geometry);
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
