// The game's web page: one game at a time, each a fresh start of the
// program from the code load.js compiled, its output drawn on the page's
// screen and its standard input the player's answers, its settings file the
// page's sizes; once a game has ended, the next is offered.
import { announce, echo, resetScreen, write } from "./screen.js";
import { expectDigits, gameWaits, readTypedInput, stopReading, takeAnswers } from "./answers.js";
import { settingsText, takeSizes } from "./sizes.js";

const again = document.getElementById("again");
const field = document.getElementById("answer");
const status = document.getElementById("status");
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
    betweenGames(/Please enter your choice: $/.test(lastWritten));
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

// Whether the game is between games, at its menu or ended, where the page
// may offer a new release: never in the middle of one.
function betweenGames(between) {
    document.body.classList.toggle("playing", !between);
}

// A new instance of the program from the code compiled once: it fails as
// the code did, or as its instance did.
function newGame() {
    return new Promise((resolve, reject) => {
        createHullstrike({
            readTypedInput: readAnswer,
            preRun: [
                (loading) => {
                    loading.FS.init(null, writeOutputByte, writeOutputByte);
                    loading.FS.writeFile("GameData.txt", settingsText());
                },
            ],
            instantiateWasm(imports, receive) {
                gameCode.then((code) => WebAssembly.instantiate(code, imports)).then(receive).catch(reject);
                return {};
            },
        }).then(resolve, reject);
    });
}

// Why a game could not start: the code's own failure, said as load.js
// found it, or code and script from two builds.
function startFailed(error) {
    return error instanceof WebAssembly.LinkError
        ? `hullstrike.js and hullstrike.wasm are not from the same build (${error.message})` : String(error?.message ?? error);
}

// One game is one instance of the program, from a fresh start: a new game
// shares nothing with the last but the page, its code and what was typed
// ahead. A game that fails ends there, its last screen kept, and says why.
async function play() {
    again.hidden = true;
    status.textContent = "";
    if (!touched) {
        field.focus();
    }
    let module;
    try {
        module = await newGame();
    } catch (error) {
        loadFailed(startFailed(error));
        return;
    }
    resetScreen();
    game = module;
    let failure = null;
    try {
        // No command line: the game starts at once.
        await module.ccall("main", "number", ["number", "number"], [0, 0], { async: true });
    } catch (error) {
        failure = error?.name === "ExitStatus" ? null : error; // exit() ends it as main's return does
    }
    if (game === module) {
        game = null;
        showOutput();
        stopReading(false);
        if (failure !== null) {
            status.textContent = `The game stopped on an error: ${String(failure?.message ?? failure).replace(/\.$/, "")}.`;
        }
        gameOver();
    }
}

// Says the last words and offers the next game.
function gameOver() {
    betweenGames(true);
    announce();
    again.hidden = false;
    again.focus();
}

// Once the scripts are in: the sizes, the answers, then the first game.
function start() {
    if (gameCode === null || typeof createHullstrike !== "function") {
        return; // load.js says why
    }
    takeSizes((settings) => game?.FS.writeFile("GameData.txt", settings));
    takeAnswers(echo, interrupt, takeEarlyLines());
    document.addEventListener("pointerdown", (event) => (touched = event.pointerType !== "mouse"));
    again.addEventListener("click", () => {
        resetScreen(); // at once: the last game's screen is done with
        play();
    });
    play();
}

start();
