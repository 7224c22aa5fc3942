// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
#include "png_writer.h"

#include "x_harness.h"

#include <png.h>

static_assert(sizeof(Rgb) == 3, "an Image's pixels are packed RGB rows");

bool writePng(const Image &image, const char *path)
{
    if (image.width < 1 || image.height < 1)
        return false;
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&png, path, 0, image.pixels.data(), 0, nullptr) != 0;
}
