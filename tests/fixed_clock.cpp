// Linked into the tests' second build of the program, whose calls of the
// C library's clock come here: its clock reads HULLSTRIKE_CLOCK, so the
// ships of a recorded session are known.
#include <cstdlib>
#include <ctime>

static std::time_t fixedTime(std::time_t* now) {
    const std::time_t fixed = std::atoll(std::getenv("HULLSTRIKE_CLOCK"));
    return now != nullptr ? *now = fixed : fixed;
}

#ifdef _WIN32
// MinGW-w64's time() is an inline call of _time64 through the pointer the
// C runtime's import fills in: linked with --wrap=__imp__time64, that
// pointer is this one.
extern "C" {
std::time_t (*__wrap___imp__time64)(std::time_t*) = fixedTime;
}
#else
// Linked with --wrap=time.
extern "C" std::time_t __wrap_time(std::time_t* now) {
    return fixedTime(now);
}
#endif
