// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "geometry_option.h"

#include <cstring>

// Past an integer as X reads one (an optional sign, then digits), or nullptr
// where nothing is read.
static const char *pastInteger(const char *c)
{
    const char *end = c + ((*c == '+' || *c == '-') ? 1 : 0);
    while (*end >= '0' && *end <= '9')
        ++end;
    return end == c ? nullptr : end;
}

// X's geometry syntax, [=][W][{xX}H][{+-}X[{+-}Y]], read whole: a string that
// does not parse gives nothing at all.
static bool givesFullSize(const char *geometry)
{
    const char *c = geometry + (*geometry == '=' ? 1 : 0);
    if (*c == '+' || *c == '-' || *c == 'x')
        return false; // no width
    c = pastInteger(c);
    if (c == nullptr || (*c != 'x' && *c != 'X'))
        return false; // no width, or no height after it
    c = pastInteger(c + 1);
    for (int offset = 0; offset < 2 && c != nullptr && (*c == '+' || *c == '-'); ++offset)
        c = pastInteger(c + 1);
    return c != nullptr && *c == '\0';
}

bool geometryLacksSize(int argc, char **argv)
{
    const char *geometry = nullptr;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-geometry") == 0)
            geometry = argv[i + 1];
        // The two options that take a value, as the toolkit skips them.
        if (std::strcmp(argv[i], "-geometry") == 0 || std::strcmp(argv[i], "-display") == 0)
            ++i;
    }
    return geometry != nullptr && !givesFullSize(geometry);
}
