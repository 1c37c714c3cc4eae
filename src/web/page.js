// The game's web page: a terminal that shows every byte the game writes and
// edits the line the player types as a console does, the three grid sizes
// as fields the game reads as its settings file, and a new game once the
// last one has said goodbye.
"use strict";

const sizeFields = ["easy", "normal", "hard"].map((id) => document.getElementById(id));
const defaultSizes = ["10", "15", "20"];
const storedSizesKey = "hullstrike.sizes";

let terminal = null;
let game = null; // the running game's module, null between games
let typedLine = ""; // the line being edited, not yet sent
let typedInput = []; // lines sent and not yet read; an empty one ends the input
let waitingReader = null; // the game's read waiting for a line, if any
let pendingOutput = [];

// The game's output comes a byte at a time: it is gathered and written once
// the game stops to wait, so a prompt shows without a line end.
function writeOutputByte(byte) {
    if (pendingOutput.length === 0) {
        queueMicrotask(flushOutput);
    }
    pendingOutput.push(byte);
}

function flushOutput() {
    terminal.write(new Uint8Array(pendingOutput));
    pendingOutput = [];
}

// Hands the game at most size bytes of what has been sent, or waits for
// the next line. An empty answer is the end of the input.
function readTypedInput(size) {
    return new Promise((resolve) => {
        waitingReader = { resolve, size };
        answerReader();
    });
}

function answerReader() {
    if (waitingReader === null || typedInput.length === 0) {
        return;
    }
    const { resolve, size } = waitingReader;
    const first = typedInput[0];
    const given = first.subarray(0, size);
    if (given.length === first.length) {
        typedInput.shift();
    } else {
        typedInput[0] = first.subarray(size);
    }
    waitingReader = null;
    resolve(given);
}

function sendInput(text) {
    typedInput.push(new TextEncoder().encode(text));
    answerReader();
}

// Line editing as at a console: echo, Backspace, Enter sends the line with
// its line end, Ctrl-D sends what is typed so far, or on an empty line ends
// the input, and Ctrl-C ends the game at once. Cursor and function keys are
// ignored.
function takeKeys(data) {
    if (game === null || data.startsWith("\x1b")) {
        return;
    }
    for (const key of data) {
        if (key === "\r" || key === "\n") {
            terminal.write("\r\n");
            sendInput(typedLine + "\n");
            typedLine = "";
        } else if (key === "\x7f" || key === "\b") {
            if (typedLine !== "") {
                typedLine = Array.from(typedLine).slice(0, -1).join("");
                terminal.write("\b \b");
            }
        } else if (key === "\x04") {
            sendInput(typedLine);
            typedLine = "";
        } else if (key === "\x03") {
            interrupt();
            return;
        } else if (key >= " ") {
            typedLine += key;
            terminal.write(key);
        }
    }
}

// As the interrupt key at a console: the game stops where it waits, with no
// farewell, and is dropped; its read is never answered.
function interrupt() {
    flushOutput();
    terminal.write("^C\r\n");
    game = null;
    waitingReader = null;
    gameOver();
}

// The sizes are written as the settings file's three numbers. A field left
// empty is written as a word the game cannot read as a number, so, as in
// the file, that size and those after it keep their values.
function settingsText() {
    return sizeFields.map((field) => (field.value.trim() === "" ? "-" : field.value.trim())).join(" ") + "\n";
}

function sizesChanged() {
    try {
        localStorage.setItem(storedSizesKey, JSON.stringify(sizeFields.map((field) => field.value)));
    } catch (error) {
        // A browser that keeps nothing: the sizes last until the page closes.
    }
    if (game !== null) {
        game.FS.writeFile("GameData.txt", settingsText());
    }
}

function loadSizes() {
    let sizes = defaultSizes;
    try {
        const stored = JSON.parse(localStorage.getItem(storedSizesKey));
        if (Array.isArray(stored) && stored.length === 3) {
            sizes = stored.map(String);
        }
    } catch (error) {
        // Nothing stored, or nothing readable: the defaults.
    }
    sizeFields.forEach((field, i) => (field.value = sizes[i]));
}

// One game is one instance of the program, from a fresh start: a new game
// shares nothing with the last but the page.
async function play() {
    const again = document.getElementById("again");
    again.hidden = true;
    terminal.reset();
    terminal.focus();
    typedLine = "";
    typedInput = [];
    waitingReader = null;
    const module = await createHullstrike({
        readTypedInput,
        preRun: [
            (loading) => {
                loading.FS.init(null, writeOutputByte, writeOutputByte);
                loading.FS.writeFile("GameData.txt", settingsText());
            },
        ],
    }).catch(() => null);
    if (module === null) {
        loadFailed("hullstrike.wasm is missing or damaged");
        return;
    }
    game = module;
    // No command line: the game starts at once.
    await module.ccall("main", "number", ["number", "number"], [0, 0], { async: true });
    if (game === module) {
        game = null;
        flushOutput();
        gameOver();
    }
}

// Offers the next game.
function gameOver() {
    const again = document.getElementById("again");
    again.hidden = false;
    again.focus();
}

function start() {
    if (typeof WebAssembly !== "object") {
        loadFailed("this browser does not run WebAssembly");
        return;
    }
    if (typeof Terminal !== "function" || typeof createHullstrike !== "function") {
        return; // the script that is missing has said so
    }
    loadSizes();
    terminal = new Terminal({ convertEol: true, cols: 80, rows: 40, scrollback: 1000 });
    terminal.open(document.getElementById("terminal"));
    // Tab moves between the terminal and the page's controls: the game
    // reads no tabs, and the page is then used without a mouse.
    terminal.attachCustomKeyEventHandler((event) => event.key !== "Tab");
    terminal.onData(takeKeys);
    for (const field of sizeFields) {
        field.addEventListener("input", sizesChanged);
    }
    document.getElementById("defaults").addEventListener("click", () => {
        sizeFields.forEach((field, i) => (field.value = defaultSizes[i]));
        sizesChanged();
    });
    document.getElementById("settings").addEventListener("submit", (event) => event.preventDefault());
    const reader = document.getElementById("reader");
    reader.addEventListener("change", () => (terminal.options.screenReaderMode = reader.checked));
    document.getElementById("again").addEventListener("click", play);
    play();
}

start();
