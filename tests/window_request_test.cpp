// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The -geometry option from the command line to the window asked for, a
// table each: its numbers written short, the option found as the toolkit
// finds it, the place on one axis, the size and place fitted to the screen.
#include "geometry_option.h"
#include "window_request.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

TEST(GeometryOption, NumbersAreWrittenShortAndHeldAtTheLimit)
{
    static const std::string sevens(10000, '7');
    static const struct {
        const char *geometry, *shortened;
    } cases[] = {
        {"", ""},
        {"400x250+20+30", "400x250+20+30"},
        {"0007x08-0", "7x8-0"},
        {"1048576x1048577", "1048576x1048576"},
        {"4294967297x-99999999999999999999999+2147483648", "1048576x-1048576+1048576"},
        {sevens.c_str(), "1048576"},
    };
    char shortened[shortGeometryLength];
    for (const auto &c : cases) {
        ASSERT_TRUE(shortenNumbers(c.geometry, shortened)) << c.geometry;
        EXPECT_STREQ(shortened, c.shortened);
    }
    EXPECT_TRUE(shortenNumbers(std::string(shortGeometryLength - 1, 'x').c_str(), shortened));
    EXPECT_FALSE(shortenNumbers(std::string(shortGeometryLength, 'x').c_str(), shortened));
}

static std::string shown(const GeometryOption &o)
{
    const auto bit = [](bool set) { return set ? "1" : "0"; };
    return std::string(bit(o.given)) + bit(o.fullSize) + bit(o.place) + bit(o.fromRight) + bit(o.fromBottom) + " " +
           std::to_string(o.width) + "x" + std::to_string(o.height) + " " + std::to_string(o.offsetX) + "," +
           std::to_string(o.offsetY);
}

// main's argv for the arguments after the program's name.
static std::vector<const char *> commandLine(std::vector<const char *> args)
{
    args.insert(args.begin(), "program");
    return args;
}

static GeometryOption readArguments(const std::vector<const char *> &args)
{
    std::vector<const char *> argv = commandLine(args);
    return readGeometryOption(static_cast<int>(argv.size()), const_cast<char **>(argv.data()));
}

TEST(GeometryOption, TheLastGeometryIsReadAsTheToolkitFindsIt)
{
    static const std::string tooLong(shortGeometryLength, 'x');
    static const struct {
        std::vector<const char *> args;
        const char *option; // given, full size, place, from right, from bottom; size; offsets
    } cases[] = {
        {{}, "00000 0x0 0,0"},
        {{"-geometry"}, "00000 0x0 0,0"},
        {{"-geometry", "400x250+20+30"}, "11100 400x250 20,30"},
        {{"-geometry", "+10-0"}, "10101 0x0 10,0"},
        {{"-geometry", "-10+5"}, "10110 0x0 -10,5"},
        {{"-geometry", "400x-5"}, "11000 400x-5 0,0"},
        {{"-geometry", "4294967297x300"}, "11000 1048576x300 0,0"},
        {{"-geometry", "400x250junk"}, "10000 0x0 0,0"},
        {{"-geometry", tooLong.c_str()}, "10000 0x0 0,0"},
        {{"-geometry", "1x1", "-sync", "-geometry", "200x100"}, "11000 200x100 0,0"},
        {{"-display", "-geometry", "-iconic"}, "00000 0x0 0,0"},
        {{"-geometry", "-display", "-display", "5x5"}, "10000 0x0 0,0"},
        {{"-display", ":0", "-geometry", "5x5"}, "11000 5x5 0,0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(readArguments(c.args)), c.option) << (c.args.empty() ? "" : c.args.back());
}

TEST(GeometryOption, AnOptionCountsOnlyWhereTheToolkitFindsIt)
{
    static const struct {
        std::vector<const char *> args;
        bool found;
    } cases[] = {
        {{}, false},
        {{"-indirect"}, true},
        {{"-sync", "-indirect"}, true},
        {{"-indirect-"}, false},
        {{"-geometry", "-indirect"}, false},
        {{"-display", "-indirect"}, false},
        {{"-display", "-geometry", "-indirect"}, true},
    };
    for (const auto &c : cases) {
        std::vector<const char *> argv = commandLine(c.args);
        EXPECT_EQ(hasToolkitOption(static_cast<int>(argv.size()), const_cast<char **>(argv.data()), "-indirect"),
                  c.found)
            << argv.back();
    }
}

TEST(WindowRequest, APlaceXCannotExpressIsCutToTheScreenEdgeItPointsPast)
{
    static const struct {
        long offset;
        bool fromFarEdge;
        long length, place;
    } cases[] = {
        {20, false, 400, 20},         {0, true, 400, 880},         {-10, true, 300, 970},   {32767, false, 400, 32767},
        {-32768, false, 400, -32768}, {32768, false, 400, 880},    {-32769, false, 400, 0}, {-99999, true, 400, 0},
        {99999, false, 2000, 0},      {-32767, true, 400, -31887},
    };
    for (const auto &c : cases)
        EXPECT_EQ(placeOnAxis(c.offset, c.fromFarEdge, c.length, 1280), c.place) << c.offset << " " << c.fromFarEdge;
}

TEST(WindowRequest, TheSizeIsHeldToTheScreenAndThePlaceMeasuredWithIt)
{
    static const struct {
        const char *geometry;
        ScreenSize screen;
        long width, height;
        bool place;
        long x, y;
    } cases[] = {
        {"400x250+20+30", {1280, 1024}, 400, 250, true, 20, 30},
        {"+10+10", {1280, 1024}, 300, 300, true, 10, 10},
        {"abc", {1280, 1024}, 300, 300, false, 0, 0},
        {"0x0", {1280, 1024}, 300, 300, false, 0, 0},
        {"400x-5", {1280, 1024}, 300, 300, false, 0, 0},
        {"100000x100000", {1280, 1024}, 1280, 1024, false, 0, 0},
        {"2000x500+100+100", {1280, 1024}, 1280, 500, true, 100, 100},
        {"400x300-0-0", {1280, 1024}, 400, 300, true, 880, 724},
        {"2000x2000-0-0", {1280, 1024}, 1280, 1024, true, 0, 0},
        {"300x2000+7-5", {1280, 1024}, 300, 1024, true, 7, -5},
        {"400x250+32767-32767", {1280, 1024}, 400, 250, true, 32767, -32767 + 1024 - 250},
        {"5000x5000+10+10", {0, 0}, 5000, 5000, false, 0, 0},
    };
    for (const auto &c : cases) {
        const WindowRequest r = fitWindowRequest(readArguments({"-geometry", c.geometry}), c.screen, {300, 300});
        EXPECT_EQ(std::make_tuple(r.width, r.height, r.place), std::make_tuple(c.width, c.height, c.place))
            << c.geometry;
        if (c.place) {
            EXPECT_EQ(std::make_tuple(r.x, r.y), std::make_tuple(c.x, c.y)) << c.geometry;
        }
    }
}
