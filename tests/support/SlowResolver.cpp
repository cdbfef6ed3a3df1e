// The system's name look-up as an unreachable name server makes it, for the tests that
// preload this library (LD_PRELOAD): the name kSlowResolverHost takes QBY_SLOW_RESOLVER_MS
// milliseconds (8000 unless set) and then resolves to 127.0.0.1; every other name goes to the
// system's own look-up. The tests read how many slow look-ups started and finished.

#include "tests/support/SlowResolver.h"

#include <dlfcn.h>
#include <netdb.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

constexpr int kDefaultDelayMs = 8000;

std::atomic<int> started{0};
std::atomic<int> finished{0};

}  // namespace

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** result) {
    using TLookUp = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
    static const auto next = reinterpret_cast<TLookUp>(::dlsym(RTLD_NEXT, "getaddrinfo"));
    if (!node || std::strcmp(node, kSlowResolverHost) != 0)
        return next(node, service, hints, result);
    ++started;
    const char* delay = std::getenv("QBY_SLOW_RESOLVER_MS");
    std::this_thread::sleep_for(
        std::chrono::milliseconds(delay ? std::atoi(delay) : kDefaultDelayMs));
    const int answer = next("127.0.0.1", service, hints, result);
    ++finished;
    return answer;
}

extern "C" int QbySlowLookUpsStarted() { return started; }
extern "C" int QbySlowLookUpsFinished() { return finished; }
