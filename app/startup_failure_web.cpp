// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// In a web page the toolkit writes its fatal messages to the standard error
// stream, as on X, and the page shows that stream in place of the picture.
#include "startup_failure.h"

void reportStartupFailures(const char *, bool) {}
