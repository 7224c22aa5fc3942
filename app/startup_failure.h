// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Where the reason goes when a program cannot start, so that the person who
// started it reads one: on X the toolkit writes to the terminal, on Windows
// there is none.
#pragma once

// Called before glutInit. programName titles what is shown; indirect says
// the command line asks the toolkit for indirect rendering, which many X
// servers refuse with a protocol error rather than a message.
void reportStartupFailures(const char *programName, bool indirect);
