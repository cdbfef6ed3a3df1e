#pragma once
// A name whose look-up is slow in a test that preloads the slow-resolver library
// (SlowResolver.cpp), and what the test can ask that library.

#include <dlfcn.h>

inline constexpr const char* kSlowResolverHost = "slow.resolver.test";

// The library's counters when it is preloaded; -1 when it is not.
inline int SlowLookUps(const char* counter) {
    using TCounter = int (*)();
    const auto read = reinterpret_cast<TCounter>(::dlsym(RTLD_DEFAULT, counter));
    return read ? read() : -1;
}
inline int SlowLookUpsStarted() { return SlowLookUps("QbySlowLookUpsStarted"); }
inline int SlowLookUpsFinished() { return SlowLookUps("QbySlowLookUpsFinished"); }
