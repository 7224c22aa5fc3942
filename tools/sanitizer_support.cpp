// SPDX-FileCopyrightText: 2026 The velmora developers
// SPDX-License-Identifier: MIT
// Linked into every executable of a sanitizer build (SANITIZE=ON): the
// sanitizers' settings, so that ctest and the programs it starts, the call
// recorder preloaded or not, all run with them.
#include <dlfcn.h>

// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the runtime's hook
extern "C" const char *__asan_default_options()
{
    // The trace tests preload the call recorder ahead of the sanitizer
    // runtime. The libraries allocate and free per frame; a small quarantine
    // keeps the long runs of two tests at once small.
    return "detect_leaks=1:verify_asan_link_order=0:quarantine_size_mb=4";
}

// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the runtime's hook
extern "C" const char *__lsan_default_options()
{
    // Quoted: the option parser splits at spaces and colons, which a checkout's path may hold.
    return "suppressions=\"" LSAN_SUPPRESSIONS "\":print_suppressions=0";
}

// NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp): the runtime's hook
extern "C" const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

// Mesa loads its driver with dlopen and unloads it before the leak check runs,
// which would leave the driver's leaks without a module name to suppress them
// by; opened here once with RTLD_NODELETE, it stays mapped.
[[maybe_unused]] static void *const keptDriver = dlopen(SWRAST_DRIVER, RTLD_NOW | RTLD_NODELETE);
