// What the page needs before its game, begun as soon as the page is read:
// the game's code, fetched and compiled once for every game of the visit;
// the lines sent before the game is ready; and, when something fails to
// load, why, said plainly from what the browser or the server answered.
"use strict";

// Says in the status area that the game could not start, and why; each
// reason once, since one file missing can stop more than one script.
const loadFailures = [];
function loadFailed(why) {
    if (!loadFailures.includes(why)) {
        loadFailures.push(why);
        document.getElementById("status").textContent = `The game could not be loaded: ${loadFailures.join("; ")}.`;
    }
}

// Why a file the server answered for is not there, if it isn't.
function notServed(name, response) {
    if (response.ok) {
        return null;
    }
    const answer = `${response.status} ${response.statusText}`.trim();
    return [404, 410].includes(response.status) ? `${name} is not on the server (${answer})`
        : `the server answered ${answer} for ${name}`;
}

// The folder this page was opened from, quoted for the player's shell so
// that nothing in its name runs: in single quotes, each quote in it ended,
// escaped and begun again (PowerShell's way, doubled, for a Windows drive).
function pageFolder() {
    const folder = decodeURIComponent(location.pathname.replace(/[^/]*$/, "")).replace(/^\/([A-Za-z]:)/, "$1");
    const quote = /^[A-Za-z]:/.test(folder) ? "''" : "'\\''";
    return /^[\w./:-]+$/.test(folder) ? folder : `'${folder.replaceAll("'", quote)}'`;
}

// What a script the game can do without costs when it fails to load, said
// in its place instead of as a game that could not load.
const optionalScripts = { "offline.js": "No offline play" };
function scriptLost(name, why) {
    if (name in optionalScripts) {
        document.getElementById("update").textContent = `${optionalScripts[name]}: ${why}.`;
    } else {
        loadFailed(why);
    }
}

// The page's scripts that failed to load, by name, noted at once, before
// why is known.
const brokenScripts = new Set();

// A script that arrived but did not run whole, which the browser reports as
// an error of the page rather than of its element: cut short or damaged, or
// stopped on an error as it started.
function scriptBroke(event) {
    const name = event.filename ? new URL(event.filename).pathname.split("/").pop() : "a script of the page";
    const message = String(event.message).replace(/^Uncaught /, "");
    scriptLost(name, /^SyntaxError\b/.test(message) ? `${name} is cut short or damaged (${message})`
        : `${name} stopped on an error as it started (${message})`);
}

// Once every script has run, page.js has taken the early lines as it
// started the game; if it has not, and no script has been found broken,
// what is left is said: a hullstrike.js that made no game, or a page.js
// that did not start it.
function scriptsRan() {
    removeEventListener("error", scriptBroke); // from now on a game's own errors, which page.js says
    if (earlyLines !== null && brokenScripts.size === 0 && loadFailures.length === 0) {
        loadFailed(typeof createHullstrike !== "function" ? "hullstrike.js did not define createHullstrike, so it is not this page's game"
            : "page.js ran but did not start the game");
    }
}

// A script that did not run, told from what the server sends for it:
// nothing, something that is not JavaScript, or a script that the browser
// then refused to run.
async function scriptFailed(script) {
    const name = script.getAttribute("src");
    if (!(name in optionalScripts)) {
        brokenScripts.add(name);
    }
    try {
        const response = await fetch(name, { cache: "no-store" });
        const type = response.headers.get("Content-Type") ?? "no type";
        scriptLost(name, notServed(name, response) ?? (/(java|ecma)script/i.test(type)
            ? `the browser refused to run ${name}${script.type === "module" ? " or a script it imports" : ""}`
            : `${name} was served as ${type}, which is not JavaScript`));
    } catch (error) {
        scriptLost(name, `${name} could not be fetched: the network failed or the browser refused it (${error.message})`);
    }
}

// The game's code, compiled from its bytes, which a host may serve with any
// type. Each failure is said as what it is: no file, a file that is not
// WebAssembly, or one the browser could not compile or refused to.
async function compileGame() {
    let response, bytes;
    try {
        response = await fetch("hullstrike.wasm");
        bytes = response.ok ? await response.arrayBuffer() : null;
    } catch (error) {
        throw new Error(`hullstrike.wasm could not be fetched: the network failed or the browser refused it (${error.message})`);
    }
    if (bytes === null) {
        throw new Error(notServed("hullstrike.wasm", response));
    }
    const magic = Array.from(new Uint8Array(bytes, 0, Math.min(4, bytes.byteLength))).join();
    if (magic !== "0,97,115,109") {
        throw new Error(`hullstrike.wasm is not WebAssembly: the server sent ${bytes.byteLength} bytes as `
            + `${response.headers.get("Content-Type") ?? "no type"}`);
    }
    try {
        return await WebAssembly.compile(bytes);
    } catch (error) {
        const refused = /refused|blocked|policy|CSP/i.test(error.message);
        throw new Error(`${refused ? "the browser refused to compile hullstrike.wasm" : "hullstrike.wasm is damaged"} (${error.message.replace(/\.$/, "")})`);
    }
}

// Lines sent while the page's scripts load, kept for the game; null once
// the game has taken them.
let earlyLines = [];
// The game's code, for page.js to instantiate; a failure is said when the
// page starts its first game with it.
let gameCode = null;

// The lines sent so far, for the game, which takes every later one itself.
function takeEarlyLines() {
    const lines = earlyLines;
    earlyLines = null;
    return lines;
}

document.getElementById("answer-form").addEventListener("submit", (event) => {
    if (earlyLines !== null) {
        event.preventDefault();
        const field = document.getElementById("answer");
        earlyLines.push(field.value + "\n");
        field.value = "";
    }
});

if (location.protocol === "file:") {
    loadFailed("a browser runs WebAssembly only from a page served over http. To play from this folder, run "
        + `python3 -m http.server -d ${pageFolder()} and open http://localhost:8000/ in the browser`);
} else if (typeof WebAssembly !== "object") {
    loadFailed("this browser does not run WebAssembly");
} else {
    gameCode = compileGame();
    gameCode.catch(() => {}); // not unhandled while page.js loads: page.js says it
    // Loading fails at a script element: the scripts after this one.
    document.addEventListener("error", (event) => event.target instanceof HTMLScriptElement && scriptFailed(event.target), true);
    addEventListener("error", scriptBroke);
    addEventListener("DOMContentLoaded", scriptsRan);
}
