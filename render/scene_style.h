// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The style chosen at start-up, shared by the render layer's files.
#pragma once

#include "scene_renderer.h"

const SceneStyle &sceneStyle();
