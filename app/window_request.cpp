// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "window_request.h"
#include "geometry_option.h"

#include <algorithm>

// X's window coordinates are 16-bit.
static const long xCoordinateMin = -32768, xCoordinateMax = 32767;

long placeOnAxis(long offset, bool fromFarEdge, long length, long screenLength)
{
    const long place = fromFarEdge ? screenLength - length + offset : offset;
    if (place >= xCoordinateMin && place <= xCoordinateMax)
        return place;
    return place < 0 ? 0 : std::max(screenLength - length, 0L);
}

WindowRequest fitWindowRequest(const GeometryOption &geometry, ScreenSize screen, ScreenSize defaultSize)
{
    const bool screenKnown = screen.width > 0 && screen.height > 0;
    WindowRequest request = {geometry.width, geometry.height, false, 0, 0};
    // Without a full size the toolkit's size is garbage; a 0 x 0 window X refuses.
    if (!geometry.fullSize || request.width < 1 || request.height < 1) {
        request.width = defaultSize.width;
        request.height = defaultSize.height;
    }
    // Larger than the screen, the renderer may not hold the frame (and X
    // sizes are 16-bit); where the toolkit cannot tell the screen's size,
    // leave it.
    if (screenKnown) {
        request.width = std::min(request.width, screen.width);
        request.height = std::min(request.height, screen.height);
    }
    // The toolkit measured a distance from the right or bottom edge with the
    // size asked for (or with garbage), before the size above was settled.
    request.place = geometry.place && screenKnown;
    if (request.place) {
        request.x = placeOnAxis(geometry.offsetX, geometry.fromRight, request.width, screen.width);
        request.y = placeOnAxis(geometry.offsetY, geometry.fromBottom, request.height, screen.height);
    }
    return request;
}
