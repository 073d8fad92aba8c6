#pragma once
// A broken invariant stops the fuzz target like a crash, so libFuzzer keeps the input that broke it.

inline void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}
