// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The window size and place to ask the toolkit for, mended from what a
// geometry option leaves it asking of X.
#pragma once

#include "geometry_option.h"

struct ScreenSize {
    long width, height; // pixels; 0 x 0 where the toolkit cannot tell
};

struct WindowRequest {
    long width, height; // the size to ask for
    bool place;         // whether x and y are to be set
    long x, y;          // the top-left corner, in root coordinates
};

// The place on one axis of a window of the given length: the offset from the
// screen's near edge, or (fromFarEdge) the negative or zero offset from its
// far edge to the window's. A place X cannot express is cut to the screen
// edge it points past, the window inside it.
long placeOnAxis(long offset, bool fromFarEdge, long length, long screenLength);

// The size (defaultSize where the option gives none X takes, held to the
// screen) and, where the option gives both offsets and the screen is known,
// the place measured with that size.
WindowRequest fitWindowRequest(const GeometryOption &geometry, ScreenSize screen, ScreenSize defaultSize);
