// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "variant_profile.h"

#include "scene_renderer.h"
#include "step_periods.h"

#include <GL/freeglut.h>

// velmora requests no display mode: the toolkit's default is single-buffered
// RGBA with a depth buffer.
// clang-format off
//                                      toolkit from  request  display mode                          scene: material,          culling, presentation             timer,                  window class
//                                      command line  a mode                                                                                                        ms
const VariantProfile velmoraProfile  = {false,        false,   0,                                    {GL_DIFFUSE,             false, FramePresentation::flush},       StepPeriods::velmoraMs,  {"velmora", "Velmora"}};
const VariantProfile tarnwickProfile = {true,         true,    GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH, {GL_AMBIENT_AND_DIFFUSE, true,  FramePresentation::swapBuffers}, StepPeriods::tarnwickMs, {"tarnwick", "Tarnwick"}};
// clang-format on
