#include "png_writer.h"

#include <zlib.h>

#include <cstdio>

static void putBigEndian(std::vector<unsigned char> &out, unsigned long value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

static void putChunk(std::vector<unsigned char> &out, const char *type, const std::vector<unsigned char> &data)
{
    putBigEndian(out, data.size());
    const size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crc32(0, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart)));
}

bool writePng(const Image &image, const char *path)
{
    if (image.width < 1 || image.height < 1)
        return false;
    std::vector<unsigned char> raw; // each row: filter type 0, then RGB triples
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < image.width; ++x) {
            const Rgb &p = image.at(x, y);
            raw.insert(raw.end(), {p.r, p.g, p.b});
        }
    }
    uLongf packedSize = compressBound(raw.size());
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), raw.size(), 9) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<unsigned char> header;
    putBigEndian(header, static_cast<unsigned long>(image.width));
    putBigEndian(header, static_cast<unsigned long>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, deflate, no interlace

    std::vector<unsigned char> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", packed);
    putChunk(file, "IEND", {});

    FILE *out = std::fopen(path, "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}
