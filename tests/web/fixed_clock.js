// Preloaded into node by the session tests: the game's clock then reads
// HULLSTRIKE_CLOCK, so the ships of a recorded session are known.
const fixed = Number(process.env.HULLSTRIKE_CLOCK) * 1000;
if (fixed) Date.now = () => fixed;
