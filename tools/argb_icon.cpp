// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Writes the C++ source of the program's X window icon (window_icon.h) from
// PNG images, read with libpng:  argb_icon OUTPUT.cpp IMAGE.png...
#include <png.h>

#include <cstddef>
#include <cstdio>
#include <vector>

static bool writeImage(std::FILE *out, const char *path, std::size_t &length)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path) == 0)
        return false;
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> rgba(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr) == 0)
        return false;
    std::fprintf(out, "    %u, %u,\n", image.width, image.height);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        const unsigned long argb = (static_cast<unsigned long>(rgba[i + 3]) << 24U) |
                                   (static_cast<unsigned long>(rgba[i]) << 16U) |
                                   (static_cast<unsigned long>(rgba[i + 1]) << 8U) | rgba[i + 2];
        std::fprintf(out, "%s0x%08lx,%s", i % 32 == 0 ? "    " : "", argb, i % 32 == 28 ? "\n" : " ");
    }
    std::fprintf(out, "\n");
    length += 2 + rgba.size() / 4;
    return true;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: argb_icon OUTPUT.cpp IMAGE.png...\n");
        return 2;
    }
    std::FILE *out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Made by argb_icon from the program icon at build time.\n"
                      "#include \"window_icon.h\"\n\nconst unsigned long windowIcon[] = {\n");
    std::size_t length = 0;
    for (int i = 2; i < argc; ++i)
        if (!writeImage(out, argv[i], length)) {
            std::fprintf(stderr, "argb_icon: cannot read %s\n", argv[i]);
            std::fclose(out);
            std::remove(argv[1]);
            return 1;
        }
    std::fprintf(out, "};\nconst std::size_t windowIconLength = %zu;\n", length);
    return std::fclose(out) == 0 ? 0 : 1;
}
