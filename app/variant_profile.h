// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The settings in which the two programs differ; each runs with one row,
// fixed for its whole run.
#pragma once

#include "scene_renderer.h"
#include "window_identity.h"

struct VariantProfile {
    bool initToolkitFromCommandLine; // hand argc/argv to glutInit, so toolkit options apply
    bool requestDisplayMode;         // call glutInitDisplayMode, else keep the toolkit's default
    unsigned int displayMode;        // the GLUT mode bits requested when requestDisplayMode is set
    SceneStyle scene;                // material, culling and frame presentation
    unsigned int timerPeriodMs;      // delay before each re-armed tick, ms
    WindowClass windowClass;         // the window's class for the desktop: instance and class name
};

extern const VariantProfile velmoraProfile;
extern const VariantProfile tarnwickProfile;
