// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// What the toolkit will make of a -geometry option on the command line.
#pragma once

// Whether the command line hands the toolkit a -geometry (the last one counts)
// without a full width and height: the toolkit then takes the size from
// memory it never set, so the start-up must request the size again.
bool geometryLacksSize(int argc, char **argv);
