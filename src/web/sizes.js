// The three grid sizes, fields the game reads as its settings file. Only a
// whole number from 1 to 35 is given to the game; anything else is marked
// and the size in force stays, as with a settings file that can't be read.

const fields = ["easy", "normal", "hard"].map((id) => document.getElementById(id));
const defaults = ["10", "15", "20"];
const storedKey = "hullstrike.sizes";
const smallNote = document.getElementById("small-note");

let inForce = defaults.slice();
let kept = defaults.slice(); // the sizes before the edits under way: "36" passes through "3"
let changed = () => {};

// Only what the game reads whole: digits alone, from 1 to 35.
function isSize(value) {
    return /^\s*\d+\s*$/.test(value) && Number(value) >= 1 && Number(value) <= 35;
}

// The settings file's three numbers, as the game reads them at its next
// menu key.
export function settingsText() {
    return inForce.join(" ") + "\n";
}

// Marks a field that holds no size, with a message beside it, takes the
// sizes that are good, and notes a grid too small for every ship.
function check(field, i) {
    const good = isSize(field.value);
    field.setAttribute("aria-invalid", String(!good));
    inForce[i] = good ? String(Number(field.value)) : kept[i];
    const message = good ? "" : `Not a whole number from 1 to 35: ${inForce[i]} stays.`;
    field.setCustomValidity(message);
    document.getElementById(`${field.id}-error`).textContent = message;
    const small = inForce.some((size) => Number(size) < 10);
    smallNote.textContent = small ? "The ship can lie outside a grid smaller than 10: a game there may not be won." : "";
}

// An edit: checked, remembered by the browser, and written for the game.
function sizesChanged(field, i) {
    check(field, i);
    try {
        localStorage.setItem(storedKey, JSON.stringify(inForce));
    } catch {
        // A browser that keeps nothing: the sizes last until the page closes.
    }
    changed();
}

// Fills the fields with the sizes the browser kept, or the defaults, and
// calls onChange(settings text) whenever a size in force changes.
export function takeSizes(onChange) {
    let stored = null;
    try {
        stored = JSON.parse(localStorage.getItem(storedKey));
    } catch {
        // Nothing stored, or nothing readable: the defaults.
    }
    fields.forEach((field, i) => {
        field.value = Array.isArray(stored) && isSize(String(stored[i])) ? String(stored[i]) : defaults[i];
        check(field, i);
        kept[i] = inForce[i];
        field.addEventListener("input", () => sizesChanged(field, i));
        field.addEventListener("change", () => (kept[i] = inForce[i]));
    });
    document.getElementById("defaults").addEventListener("click", () => {
        fields.forEach((field, i) => {
            field.value = defaults[i];
            sizesChanged(field, i);
            kept[i] = inForce[i];
        });
    });
    document.getElementById("sizes").addEventListener("submit", (event) => event.preventDefault());
    changed = () => onChange(settingsText());
}
