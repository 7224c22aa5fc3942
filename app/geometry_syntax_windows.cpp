// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Windows has no reader of X's geometry syntax (freeglut keeps its copy of
// X's to itself), so this one reads it as X's does, part for part: a sign
// without digits reads as 0, and a string with anything left over gives
// nothing. The tests hold it against XParseGeometry. Its numbers come
// short (geometry_option.cpp), so none overflows.
#include "geometry_syntax.h"

// An optional sign, then digits; end is set past them, left at c where the
// string holds neither.
static int readInteger(const char *c, const char *&end)
{
    const bool negative = *c == '-';
    end = c + ((*c == '+' || *c == '-') ? 1 : 0);
    int value = 0;
    for (; *end >= '0' && *end <= '9'; ++end)
        value = value * 10 + (*end - '0');
    return negative ? -value : value;
}

// A width or a height at c, its part added to the mask; false where c holds
// no number. A negative one wraps, as in X.
static bool readSize(const char *&c, unsigned &size, unsigned &mask, unsigned part)
{
    const char *end = nullptr;
    size = static_cast<unsigned>(readInteger(c, end));
    if (end == c)
        return false;
    c = end;
    mask |= part;
    return true;
}

// An offset, "+N" or "-N" where N may carry a sign of its own, its parts
// added to the mask; false where nothing follows its sign.
static bool readOffset(const char *&c, int &offset, unsigned &mask, unsigned part, unsigned negativePart)
{
    const bool negative = *c == '-';
    const char *end = nullptr;
    const int value = readInteger(++c, end);
    if (end == c)
        return false;
    offset = negative ? -value : value;
    c = end;
    mask |= part | (negative ? negativePart : 0U);
    return true;
}

GeometryParts parseGeometry(const char *text)
{
    const GeometryParts nothing = {0, 0, 0, 0, 0};
    GeometryParts parts = nothing;
    if (text == nullptr)
        return nothing;
    const char *c = text + (*text == '=' ? 1 : 0);
    if (*c != '+' && *c != '-' && *c != 'x' && !readSize(c, parts.width, parts.mask, geometryWidth))
        return nothing;
    const bool height = *c == 'x' || *c == 'X';
    if (height && !readSize(++c, parts.height, parts.mask, geometryHeight))
        return nothing;
    // The second offset is the Y one: a sign that follows the first.
    if ((*c == '+' || *c == '-') && !readOffset(c, parts.x, parts.mask, geometryX, geometryXNegative))
        return nothing;
    if ((*c == '+' || *c == '-') && !readOffset(c, parts.y, parts.mask, geometryY, geometryYNegative))
        return nothing;
    return *c == '\0' ? parts : nothing;
}
