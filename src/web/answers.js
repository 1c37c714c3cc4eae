// The player's answers: a text field and the on-screen keys type them, Enter
// sends a line with its line end, and the game reads the lines in order,
// including those sent before it was ready. Ctrl-D and Ctrl-C do what they
// do at a console; the on-screen Ctrl-C, beside Backspace, asks for a second
// tap first.

const form = document.getElementById("answer-form");
const field = document.getElementById("answer");
const status = document.getElementById("status");
const encoder = new TextEncoder();
const tapAgain = "Tap Ctrl-C again to end the game";

let sent = []; // lines sent and not yet read; an empty one ends the input
let waiting = null; // the game's read waiting for a line, if any
let given = () => {}; // shows what the game has just been given
let interrupted = () => {};
let firstTap = null; // the on-screen Ctrl-C's first tap, while a second ends the game

// Hands the game at most size bytes of what has been sent, or waits for
// the next line. An empty answer is the end of the input.
export function readTypedInput(size) {
    return new Promise((resolve) => {
        waiting = { resolve, size };
        answer();
    });
}

// Whether the game waits with nothing left to read: the moment to tell the
// player what is new.
export function gameWaits() {
    return waiting !== null;
}

// The waiting read gets the first line sent, or as much of it as it asks
// for; the rest is the next read's.
function answer() {
    if (waiting === null || sent.length === 0) {
        return;
    }
    const { resolve, size } = waiting;
    const first = sent[0];
    const part = first.subarray(0, size);
    if (part.length === first.length) {
        sent.shift();
    } else {
        sent[0] = first.subarray(size);
    }
    waiting = null;
    given(new TextDecoder().decode(part));
    resolve(part);
}

// A line sent is read in its turn, at once if the game waits.
function send(text) {
    sent.push(encoder.encode(text));
    answer();
}

// A game that ends drops its read, and Ctrl-C what was typed ahead, as a
// console does.
export function stopReading(dropTyped) {
    waiting = null;
    if (dropTyped) {
        sent = [];
    }
}

// The line in the field goes with its line end.
function sendField() {
    send(field.value + "\n");
    field.value = "";
}

// A paste of several lines sends each but the last, which stays in the
// field to be edited.
function paste(event) {
    const pasted = event.clipboardData.getData("text");
    if (!/[\r\n]/.test(pasted)) {
        return;
    }
    event.preventDefault();
    const start = field.selectionStart ?? field.value.length;
    const lines = (field.value.slice(0, start) + pasted + field.value.slice(field.selectionEnd ?? start)).split(/\r?\n|\r/);
    field.value = lines.pop();
    lines.forEach((line) => send(line + "\n"));
}

// Text selected in the page or in a field: Ctrl-C copies it then.
function selection() {
    const active = document.activeElement;
    if (typeof active?.selectionStart === "number" && active.selectionStart !== active.selectionEnd) {
        return active.value.slice(active.selectionStart, active.selectionEnd);
    }
    return String(document.getSelection());
}

// Ctrl-C and Ctrl-D as at a console; every other key types into the field
// as usual. The size fields keep their own: their selection can't be seen.
function keyDown(event) {
    const sizeField = event.target.matches("input") && event.target !== field;
    if (!event.ctrlKey || event.altKey || event.metaKey || event.shiftKey || sizeField) {
        return;
    }
    const key = event.key.toLowerCase();
    if (key === "c" && selection() === "") {
        event.preventDefault();
        interrupted();
    } else if (key === "d" && event.target === field) {
        event.preventDefault(); // sends what is typed so far, or ends the input
        send(field.value);
        field.value = "";
    }
}

// The on-screen Ctrl-C's first tap has passed: its words go.
function forgetFirstTap() {
    clearTimeout(firstTap);
    firstTap = null;
    if (status.textContent === tapAgain) {
        status.textContent = "";
    }
}

// The on-screen Ctrl-C, easily tapped by mistake, ends the game only when
// tapped again within 3 seconds; the first tap, in a game, says so, to
// screen readers too.
function tapCtrlC() {
    if (firstTap !== null) {
        forgetFirstTap();
        interrupted();
    } else if (gameWaits()) {
        firstTap = setTimeout(forgetFirstTap, 3000);
        status.textContent = tapAgain;
    }
}

// An on-screen key types into the field without focusing it, so a phone's
// own keyboard stays closed: a touch takes the focus out of the field.
function pressKey(key) {
    if (key !== "Ctrl-C") {
        forgetFirstTap();
    }
    if (key === "Enter") {
        sendField();
    } else if (key === "Backspace") {
        field.value = Array.from(field.value).slice(0, -1).join("");
    } else if (key === "Ctrl-C") {
        const selected = selection();
        if (selected === "") {
            tapCtrlC();
        } else {
            navigator.clipboard?.writeText(selected).catch(() => {}); // not allowed: nothing copied
        }
    } else {
        field.value += key;
    }
}

// Starts taking answers: lines sent while the scripts loaded first, then
// the field's, the keys' and the clipboard's. show(text) is called with each
// part the game reads, interrupt() on Ctrl-C.
export function takeAnswers(show, interrupt, earlyLines) {
    given = show;
    interrupted = interrupt;
    earlyLines.forEach(send);
    form.addEventListener("submit", (event) => {
        event.preventDefault();
        sendField();
    });
    field.addEventListener("paste", paste);
    document.addEventListener("keydown", keyDown);
    const keys = document.getElementById("keys");
    keys.addEventListener("mousedown", (event) => event.preventDefault());
    keys.addEventListener("pointerdown", (event) => {
        if (event.pointerType !== "mouse" && document.activeElement === field) {
            field.blur();
        }
    });
    keys.addEventListener("click", (event) => {
        const key = event.target.closest("button")?.dataset.key;
        if (key) {
            pressKey(key);
        }
    });
}

// The phone keyboard to offer: digits where the game asks for a
// coordinate, letters and digits elsewhere.
export function expectDigits(digits) {
    field.inputMode = digits ? "numeric" : "text";
}
