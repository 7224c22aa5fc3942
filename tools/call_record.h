// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// The text form of the calls that the call recorder writes, shared with the
// tests that build the expected calls: numbers in the shortest form that reads
// back to the same value, so 0.8f prints as 0.8 and a double keeps every bit.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

inline std::string shortestText(double value, bool isFloat = false)
{
    char buffer[32];
    if (value == static_cast<double>(static_cast<long long>(value)) && value > -1e15 && value < 1e15) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value); // whole numbers without an exponent
        return buffer;
    }
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (isFloat ? std::strtof(buffer, nullptr) == static_cast<float>(value) : std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
}
