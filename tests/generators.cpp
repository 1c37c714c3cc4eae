// Other C libraries' generators, to preload in place of this one's: musl's
// 64-bit one with HULLSTRIKE_MUSL_RAND, else the Windows runtime's 15-bit one.
#include <cstdint>

#ifdef HULLSTRIKE_MUSL_RAND
static std::uint64_t state;
extern "C" void srand(unsigned seed) {
    state = seed - 1U;
}
extern "C" int rand() {
    state = 6364136223846793005U * state + 1U;
    return static_cast<int>(state >> 33);
}
#else
static std::uint32_t state;
extern "C" void srand(unsigned seed) {
    state = seed;
}
extern "C" int rand() {
    state = state * 214013U + 2531011U;
    return static_cast<int>((state >> 16) & 0x7FFFU);
}
#endif
