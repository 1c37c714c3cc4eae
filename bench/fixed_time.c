/* Preloaded into the game by the session benchmark so that its one seeding
 * from the clock always gives the same generator sequence, and the
 * benchmark can script each game to end on the shot that sinks the ship. */
#include <time.h>

#define FIXED_TIME 1765065600 /* any value will do; the benchmark uses the same */

time_t time(time_t *t) {
    if (t)
        *t = FIXED_TIME;
    return FIXED_TIME;
}
