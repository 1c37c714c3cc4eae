// Linked into the tests' second build of the program with --wrap=time: its
// calls of time() come here, and its clock reads HULLSTRIKE_CLOCK, so the
// ships of a recorded session are known.
#include <cstdlib>
#include <ctime>

extern "C" std::time_t __wrap_time(std::time_t* now) {
    const std::time_t fixed = std::atoll(std::getenv("HULLSTRIKE_CLOCK"));
    return now != nullptr ? *now = fixed : fixed;
}
