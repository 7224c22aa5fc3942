// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Windows has no reader of X's geometry syntax (freeglut keeps its copy of
// X's to itself), so this one reads it as X's does, part for part: a sign
// without digits reads as 0, and a string with anything left over gives
// nothing. The tests hold it against XParseGeometry.
#include "geometry_syntax.h"

// An optional sign, then digits; end is set past them, left at c where the
// string holds neither.
static int readInteger(const char *c, const char *&end)
{
    const bool negative = *c == '-';
    end = c + ((*c == '+' || *c == '-') ? 1 : 0);
    unsigned value = 0; // wraps past an int, where X's reader overflows
    for (; *end >= '0' && *end <= '9'; ++end)
        value = value * 10U + static_cast<unsigned>(*end - '0');
    return static_cast<int>(negative ? 0U - value : value);
}

// An offset, "+N" or "-N" where N may carry a sign of its own; false where
// nothing follows its sign.
static bool readOffset(const char *&c, int &offset, bool &negative)
{
    negative = *c == '-';
    const char *end = nullptr;
    const int value = readInteger(++c, end);
    if (end == c)
        return false;
    offset = negative ? -value : value;
    c = end;
    return true;
}

GeometryParts parseGeometry(const char *text)
{
    const GeometryParts nothing = {0, 0, 0, 0, 0};
    GeometryParts parts = nothing;
    if (text == nullptr)
        return nothing;
    const char *c = text + (*text == '=' ? 1 : 0);
    const char *end = nullptr;
    if (*c != '+' && *c != '-' && *c != 'x') {
        parts.width = static_cast<unsigned>(readInteger(c, end));
        if (end == c)
            return nothing;
        c = end;
        parts.mask |= geometryWidth;
    }
    if (*c == 'x' || *c == 'X') {
        ++c;
        parts.height = static_cast<unsigned>(readInteger(c, end));
        if (end == c)
            return nothing;
        c = end;
        parts.mask |= geometryHeight;
    }
    if (*c == '+' || *c == '-') {
        bool negative = false;
        if (!readOffset(c, parts.x, negative))
            return nothing;
        parts.mask |= geometryX | (negative ? geometryXNegative : 0U);
        if (*c == '+' || *c == '-') {
            if (!readOffset(c, parts.y, negative))
                return nothing;
            parts.mask |= geometryY | (negative ? geometryYNegative : 0U);
        }
    }
    return *c == '\0' ? parts : nothing;
}
