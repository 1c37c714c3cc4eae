// The game's web page: one game at a time, each a fresh start of the
// program, its output drawn on the page's screen and its standard input the
// player's answers, its settings file the page's sizes; once a game has
// ended, the next is offered.
import { announce, echo, resetScreen, write } from "./screen.js";
import { expectDigits, gameWaits, readTypedInput, stopReading, takeAnswers } from "./answers.js";
import { settingsText, takeSizes } from "./sizes.js";

const again = document.getElementById("again");
const field = document.getElementById("answer");
let game = null; // the running game's module, null between games
let output = [];
let lastWritten = "";
let touched = false; // whether the last pointer was a finger or a pen

// The game's output comes a byte at a time: it is drawn once the game stops,
// to wait or for good.
function writeOutputByte(byte) {
    if (output.length === 0) {
        queueMicrotask(showOutput);
    }
    output.push(byte);
}

// Draws what the game wrote since last time.
function showOutput() {
    if (output.length > 0) {
        lastWritten = new TextDecoder().decode(new Uint8Array(output));
        output = [];
        write(lastWritten);
    }
}

// The game asks for its next answer. When nothing typed ahead answers it,
// it waits: what is new since the last answer is said now, and a phone
// offers digits for a coordinate.
function readAnswer(size) {
    showOutput();
    const reading = readTypedInput(size);
    if (gameWaits()) {
        announce();
        expectDigits(/(Across|Down): $/.test(lastWritten));
    }
    return reading;
}

// As the interrupt key at a console: the game stops where it waits, with
// no farewell, is dropped with what was typed ahead, and its read is never
// answered.
function interrupt() {
    if (game === null) {
        return;
    }
    showOutput();
    write("^C\n");
    game = null;
    stopReading(true);
    gameOver();
}

// One game is one instance of the program, from a fresh start: a new game
// shares nothing with the last but the page and what was typed ahead.
async function play() {
    again.hidden = true;
    if (!touched) {
        field.focus();
    }
    const module = await createHullstrike({
        readTypedInput: readAnswer,
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
    resetScreen();
    game = module;
    // No command line: the game starts at once.
    await module.ccall("main", "number", ["number", "number"], [0, 0], { async: true });
    if (game === module) {
        game = null;
        showOutput();
        stopReading(false);
        gameOver();
    }
}

// Says the last words and offers the next game.
function gameOver() {
    announce();
    again.hidden = false;
    again.focus();
}

// Once the scripts are in: the sizes, the answers, then the first game.
function start() {
    if (typeof WebAssembly !== "object") {
        loadFailed("this browser does not run WebAssembly");
        return;
    }
    if (typeof createHullstrike !== "function") {
        return; // the script that is missing has said so
    }
    takeSizes((settings) => game?.FS.writeFile("GameData.txt", settings));
    takeAnswers(echo, interrupt, window.earlyLines ?? []);
    document.addEventListener("pointerdown", (event) => (touched = event.pointerType !== "mouse"));
    again.addEventListener("click", () => {
        resetScreen(); // at once: the last game's screen is done with
        play();
    });
    play();
}

start();
