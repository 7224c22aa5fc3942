// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Writes an Image as an 8-bit RGB PNG file.
#pragma once

#include "x_harness.h"

bool writePng(const Image &image, const char *path);
