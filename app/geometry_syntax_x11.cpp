// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// On X the geometry is X's to read: the toolkit reads it with the same reader.
#include "geometry_syntax.h"

#include <X11/Xutil.h>

static_assert(geometryX == XValue && geometryY == YValue && geometryWidth == WidthValue &&
                  geometryHeight == HeightValue && geometryXNegative == XNegative && geometryYNegative == YNegative,
              "the parts are X's mask bits");

GeometryParts parseGeometry(const char *text)
{
    GeometryParts parts = {0, 0, 0, 0, 0};
    parts.mask = static_cast<unsigned>(XParseGeometry(text, &parts.x, &parts.y, &parts.width, &parts.height));
    return parts;
}
