// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The Windows build's reader of X's geometry syntax against Xlib's own
// XParseGeometry, parts and values, on generated strings.
#include "geometry_syntax.h"

#include <gtest/gtest.h>

#include <X11/Xutil.h>

#include <string>
#include <tuple>

static void expectReadAsX(const std::string &text)
{
    GeometryParts x = {0, 0, 0, 0, 0};
    x.mask = static_cast<unsigned>(XParseGeometry(text.c_str(), &x.x, &x.y, &x.width, &x.height));
    const GeometryParts ours = parseGeometry(text.c_str());
    ASSERT_EQ(std::tie(ours.mask, ours.x, ours.y, ours.width, ours.height),
              std::tie(x.mask, x.x, x.y, x.width, x.height))
        << '"' << text << '"';
}

// Each part of [=][W][{xX}H][{+-}X[{+-}Y]] in its usual and malformed forms,
// then every string of up to six of its characters, a digit and a stranger.
TEST(GeometrySyntax, ReadsEveryCombinationOfPartsAndEveryShortStringAsX)
{
    static const char *const prefixes[] = {"", "=", "=="};
    static const char *const widths[] = {"", "500", "0", "007", "a", "+5"};
    static const char *const heights[] = {"", "x", "X", "x400", "X400", "x0", "x+", "x-", "x-5", "x+-3", "xx4"};
    static const char *const offsets[] = {"", "+", "-", "+10", "-10", "++10", "+-10", "--0", "-+", "+0"};
    static const char *const suffixes[] = {"", "j", " ", "x", "=", "7"};
    for (const char *prefix : prefixes)
        for (const char *width : widths)
            for (const char *height : heights)
                for (const char *x : offsets)
                    for (const char *y : offsets)
                        for (const char *suffix : suffixes)
                            expectReadAsX(std::string(prefix) + width + height + x + y + suffix);

    static const char alphabet[] = "=xX+-40j";
    const int letters = static_cast<int>(sizeof alphabet - 1);
    for (int length = 0, count = 1; length <= 6; ++length, count *= letters)
        for (int n = 0; n < count; ++n) {
            std::string text;
            for (int i = 0, rest = n; i < length; ++i, rest /= letters)
                text += alphabet[rest % letters];
            expectReadAsX(text);
        }
}
