// Other C libraries' generators, built as libraries to preload in place of
// this one's, so that the suite shows it assumes none: musl's with
// HULLSTRIKE_MUSL_RAND, the Windows runtime's with HULLSTRIKE_WINDOWS_RAND.
#include <cstdint>

extern "C" {
#ifdef HULLSTRIKE_MUSL_RAND
// A 64-bit linear congruential generator returning its top 31 bits, its
// state the seed less one.
static std::uint64_t state;
void srand(unsigned seed) {
    state = seed - 1U;
}
int rand() {
    state = 6364136223846793005U * state + 1U;
    return static_cast<int>(state >> 33);
}
#else
// A 32-bit linear congruential generator returning 15 bits of the middle
// (RAND_MAX 32767), its state the seed.
static std::uint32_t state;
void srand(unsigned seed) {
    state = seed;
}
int rand() {
    state = state * 214013U + 2531011U;
    return static_cast<int>((state >> 16) & 0x7FFFU);
}
#endif
}
