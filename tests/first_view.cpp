// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "first_view.h"

#include "x_harness.h"

#include <gtest/gtest.h>

#include <cstddef>

// At 300 x 300 the bob hangs about 93 pixels below the centre, the pivot as
// far above it, the overlay at the top left, 30 to 42 % of the way down.
void expectFirstView(const RunningProgram &program, const Image &first)
{
    EXPECT_EQ(windowTitle(program.dpy, program.window), "Velmora");
    const WindowGeometry geometry = windowGeometry(program.dpy, program.window);
    EXPECT_EQ(geometry.width, 300);
    EXPECT_EQ(geometry.height, 300);
    ASSERT_EQ(first.width, 300);
    for (const int corner : {3, 290})
        EXPECT_EQ(countPixels(first, corner, corner, corner + 7, corner + 7).white, 49) << "corner " << corner;
    EXPECT_GT(countPixels(first, 135, 228, 165, 258).red, 400) << "no red bob below the pivot";
    EXPECT_EQ(countPixels(first, 0, 140, 120, 300).red, 0) << "red left of the bob";
    const RegionCount overlay = countPixels(first, 20, 85, 140, 130);
    EXPECT_GT(overlay.total - overlay.white, 100) << "no overlay at the top left";
    // Row and column 0 lie off screen at the toolkit's default position (-1, -1).
    const RegionCount top = countPixels(first, 1, 1, 300, 40);
    EXPECT_EQ(top.white, top.total) << "anything but white above the pivot";
}

bool iconShowsTheBob(const IconImage &image)
{
    // The bob's centre lies at (44, 44) of the icon's 64 x 64; probe just below and right of it.
    const int x = image.width * 46 / 64, y = image.height * 46 / 64;
    const unsigned long argb = image.argb[static_cast<std::size_t>(y) * image.width + x];
    const unsigned long alpha = argb >> 24U, red = (argb >> 16U) & 0xffU, green = (argb >> 8U) & 0xffU,
                        blue = argb & 0xffU;
    return alpha == 0xff && red > 128 && green < 80 && blue < 80;
}
