// Linked into the tests' build of the program whose clock reads
// HULLSTRIKE_CLOCK, so that the ships of a recorded session are known.
#include <cstdlib>
#include <ctime>

static std::time_t fixedTime(std::time_t* now) {
    const std::time_t fixed = std::atoll(std::getenv("HULLSTRIKE_CLOCK"));
    return now != nullptr ? *now = fixed : fixed;
}

#ifdef _WIN32
// MinGW-w64's time() calls the C runtime's _time64: directly in its later
// headers (linked with --wrap=_time64), through the pointer the import
// fills in in earlier ones (--wrap=__imp__time64).
extern "C" {
std::time_t __wrap__time64(std::time_t* now) {
    return fixedTime(now);
}
std::time_t (*__wrap___imp__time64)(std::time_t*) = fixedTime;
}
#else
// Linked with --wrap=time.
extern "C" std::time_t __wrap_time(std::time_t* now) {
    return fixedTime(now);
}
#endif
