// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The X window behind the GL context, on X.
#pragma once

#include <GL/glx.h>

// The toolkit's own connection and window, through the context it made
// current; false where there is none.
bool currentGlxWindow(Display *&display, GLXDrawable &window);
