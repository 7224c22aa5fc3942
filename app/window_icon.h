// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The program icon as X's _NET_WM_ICON holds it: for each size its width and
// height, then its pixels row by row as ARGB, one to a long. Made at build
// time from packaging/velmora.svg by tools/argb_icon.cpp; none (length 0)
// in a build without the icon.
#pragma once

#include <cstddef>

extern const unsigned long windowIcon[];
extern const std::size_t windowIconLength; // entries in windowIcon
