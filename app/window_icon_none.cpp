// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Built without the icon part (VELMORA_ICON off): the window carries no icon
// of its own, and a desktop shows the one its menu entry names.
#include "window_icon.h"

#include <cstddef>

const unsigned long windowIcon[] = {0};
const std::size_t windowIconLength = 0;
