// Games in the page in headless Chromium with a recorded session's ships, on a desktop and a phone, axe-core looking each over,
// answers longer than the game's input buffer, then the site broken as hosts break it: node browser_test.js SITE SESSION SCREENSHOT
// FIND_SEED LONG (the seed finder built for node; a session of long answers with the same ships).
const fs = require("fs"), http = require("http"), path = require("path"), { execFileSync } = require("child_process");
const { check, needs, run } = require("./harness.js"), { siteHandler, policy } = require("../../tools/serve-site.js");
const axeSource = fs.readFileSync(needs("puppeteer-core", "axe-core/axe.min.js")[1], "utf8");
const [site, session, screenshot, findSeed, longSession] = process.argv.slice(2);
const read = (name, from = session) => fs.readFileSync(path.join(from, name), "latin1");
// The site, page.js held back while pageMayLoad is pending and a file the test breaks answered by broken[file].
let letPageLoad, pageMayLoad = Promise.resolve(), broken = {};
const serveSite = siteHandler(() => site);
const server = http.createServer(async (request, response) => {
    if (request.url === "/page.js") await pageMayLoad;
    broken[request.url] ? broken[request.url](response) : serveSite(request, response);
});
// The last board drawn on a terminal, up to the pause, lines right-trimmed.
const trimmed = (text) => text.replace(/\r/g, "").replace(/ +\n/g, "\n").trimEnd();
const lastScreen = (from) => trimmed(read("terminal", from).split("\x1b[H\x1b[2J").pop());
const lastBoard = lastScreen(session).split("Please select")[0].trimEnd();
const easy = read("GameData.txt").split(/\s+/)[0], errors = [], soon = { timeout: 10000 };
const seed = Number(execFileSync(process.execPath, [findSeed], { input: read("ships") }));

// A page whose clock hides the session's ships, counting copies, the .wasm's requests and the layout shifts not caused by the
// player; breaches of the policy fail the test, and so do errors unless the test broke the site.
async function newPage(browser, viewport, siteBroken = false) {
    const page = Object.assign(await browser.newPage(), { wasmRequests: 0 });
    page.on("request", (request) => (page.wasmRequests += request.url().endsWith("/hullstrike.wasm")));
    page.on("console", (message) => message.type() === "error" && (!siteBroken || /policy/.test(message.text())) && errors.push(message.text()));
    page.on("pageerror", (error) => siteBroken || errors.push(String(error)));
    await page.evaluateOnNewDocument((now) => {
        document.addEventListener("securitypolicyviolation", (breach) => console.error(`policy breached: ${breach.violatedDirective}`));
        Object.assign(window, { copies: 0, shifted: 0 });
        Date.now = () => now;
        document.addEventListener("copy", () => (window.copies += 1));
        new PerformanceObserver((shifts) => shifts.getEntries().forEach((shift) =>
            (window.shifted += shift.hadRecentInput ? 0 : shift.value))).observe({ type: "layout-shift", buffered: true });
    }, seed * 1000);
    if (viewport) await page.setViewport(viewport);
    return page;
}

// The screen as it shows (each board as drawn, not its table), and an element's text.
const screen = (page) => page.$eval("#screen", (log) => Array.from(log.children, (block) =>
    block.className === "board" ? block.firstChild.textContent + "\n" : block.textContent).join(""));
const text = (page, selector) => page.$eval(selector, (element) => element.textContent);
const waitFor = (page, text, where = "#screen") => page.waitForFunction((text, where) =>
    document.querySelector(where).textContent.includes(text), soon, text, where);
// The screen once the game has ended and the next is offered.
const ended = (page) => page.waitForSelector("#again:not([hidden])", soon).then(() => screen(page));
// Text typed, or on-screen keys tapped one after another, then a wait for what they bring.
const answer = (page, typed, shown, where) => page.keyboard.type(typed).then(() => waitFor(page, shown, where));
const tap = async (page, keys, shown, where) => {
    for (const key of keys) await page.tap(`#keys [data-key="${key}"]`);
    return shown && waitFor(page, shown, where);
};
const withControl = (page, key, options) => page.keyboard.down("Control")
    .then(() => page.keyboard.press(key, options)).then(() => page.keyboard.up("Control"));
// axe-core over the page as it is, loaded from outside the page's policy.
async function axe(page, when) {
    if (await page.evaluate(() => typeof axe === "undefined")) await page.evaluate(axeSource);
    const found = await page.evaluate(async () => (await axe.run({ resultTypes: ["violations"] })).violations
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target).join(", ")}`));
    check(found.length === 0, `axe-core ${when}:\n${found.join("\n")}`);
}

// On a desktop: an answer sent while the page loads, sizes refused and taken, an answer from a composing keyboard, Ctrl-C
// copying a selection and ending a game, Ctrl-D too; the sinking screen as on a terminal.
async function desktop(browser, url) {
    const page = await newPage(browser, { width: 1024, height: 768 });
    pageMayLoad = new Promise((resolve) => (letPageLoad = resolve));
    const loaded = page.goto(url); // not before page.js
    await page.waitForSelector("#keys");
    await page.waitForFunction(() => document.activeElement.id === "answer", soon).catch(() => check(false, "the answer field has no focus at load"));
    check((await screen(page)) === "Loading…", "no Loading… while the page loads");
    await page.keyboard.type("h\n");
    letPageLoad();
    const sent = (await loaded).headers()["content-security-policy"];
    const meta = await page.$eval("meta[http-equiv=Content-Security-Policy]", (meta) => meta.content);
    check(sent === policy && `${meta}; frame-ancestors 'none'` === policy, `the page's policy, ${meta}, and the header, ${sent}`);
    await waitFor(page, "Hard will be a grid of 20 x 20");
    await axe(page, "at load, desktop");
    await page.click("#hard", { clickCount: 3 });
    await page.keyboard.type("36");
    await page.click("#easy", { clickCount: 3 });
    await page.keyboard.type(easy);
    check(await page.$eval("#hard", (field) => field.getAttribute("aria-invalid") === "true"
        && document.getElementById("hard-error").textContent.includes("20 stays")), "Hard at 36 not refused");
    check((await text(page, "#small-note")).includes("smaller than 10"), "no note on a small grid");
    await page.focus("#answer");
    await answer(page, "\nh\n", `Easy will be a grid of ${easy} x ${easy}\n\t\tNormal will be a grid of 15 x 15\n\t\tHard will be a grid of 20 x 20`);
    await page.keyboard.type("\nq");
    await page.keyboard.press("Backspace"); // taken back: the key sent is 1
    await answer(page, "1\n", "all water", "#spoken");
    // Across from a keyboard that composes: key code 229 and the text inserted.
    const cdp = await page.createCDPSession();
    await cdp.send("Input.dispatchKeyEvent", { type: "rawKeyDown", windowsVirtualKeyCode: 229, key: "Process" });
    await cdp.send("Input.imeSetComposition", { text: "1", selectionStart: 1, selectionEnd: 1 });
    await cdp.send("Input.insertText", { text: "1" });
    await answer(page, "\n1\n", "1 shot.", "#spoken"); // and not the answer said again:
    check(await text(page, "#spoken") === "Across 1, Down 1: hit. 1 shot. Enter coordinates Across:", "the shot not said in words");
    await axe(page, "in a game, desktop");
    check(await page.$$eval(".board tbody td", (cells) => cells.length) === easy * easy, "not one table cell a square");
    await page.$eval("#screen", (log) => getSelection().selectAllChildren(log));
    await withControl(page, "c", { commands: ["copy"] });
    check(await page.evaluate(() => window.copies === 1), "Ctrl-C did not copy the selection");
    await page.evaluate(() => (getSelection().removeAllRanges(), document.getElementById("answer").focus()));
    await answer(page, "2\n1\n3\n1\n4\n1\n", 'Press the "Enter" key to continue . . .');
    const sunk = trimmed(await screen(page));
    check(sunk === lastBoard, `after the sinking message:\n${sunk}\nnot\n${lastBoard}`);
    check((await text(page, "#spoken")).startsWith("Across 4, Down 1: hit, sunk. 4 shots."), "the sinking not said in words");
    await page.screenshot({ path: screenshot });
    await answer(page, "\n", "Please enter your choice: ");
    await withControl(page, "d");
    check((await ended(page)).trimEnd().endsWith("Thank you for playing.\nGoodbye."), "no farewell after Ctrl-D");
    await axe(page, "after the farewell, desktop");
    await page.keyboard.press("Enter"); // on Play again, which has the focus
    await waitFor(page, "Please enter your choice: ");
    await withControl(page, "c");
    check(/choice: \^C\n$/.test(await ended(page)), "Ctrl-C did not end the game");
    check(await page.evaluate(() => window.shifted <= 0.01), "the layout moved");
    check(page.wasmRequests === 1, `hullstrike.wasm asked for ${page.wasmRequests} times in two games, not once`);
}

// On a phone, by touch alone, with the sizes the desktop left: the Hard board whole, Ctrl-C, a game from the menu to the farewell.
async function phone(browser, url) {
    const page = await newPage(browser, { width: 390, height: 844, isMobile: true, hasTouch: true });
    await page.goto(url);
    await waitFor(page, "Please enter your choice: ");
    await axe(page, "at load, phone");
    check(await page.$$eval("#keys button", (keys) => keys.every((key) => key.getBoundingClientRect().width >= 44 && key.getBoundingClientRect().height >= 44)
        && keys.map((key) => key.textContent).join() === "1,2,3,4,5,H,6,7,8,9,0,Q,Ctrl-C, end the game,Backspace,Enter"), "keys misnamed or small");
    await tap(page, ["3", "Enter"], "Across: ");
    check(await page.$eval(".board", (board) => board.scrollWidth <= board.clientWidth && document.documentElement.scrollWidth <= 390
        && parseFloat(getComputedStyle(board).fontSize) >= 12 && board.getBoundingClientRect().bottom <= innerHeight), "the Hard board not whole on a phone");
    await page.screenshot({ path: screenshot.replace(/\.png$/, "-phone.png") });
    await tap(page, ["Ctrl-C"], "Tap Ctrl-C again to end the game", "#status"); // maybe a mis-tap: the game plays on
    check(await page.$eval("#again", (again) => again.hidden), "one tap of Ctrl-C ended the game");
    await tap(page, ["Ctrl-C"]);
    await ended(page);
    await page.tap("#again");
    await waitFor(page, "Please enter your choice: ");
    await tap(page, ["1", "Enter", ..."1234".split("").flatMap((across) => [across, "Enter", "1", "Enter"])], 'Press the "Enter" key to continue . . .');
    await axe(page, "in a game, phone");
    await tap(page, ["Enter", "Q", "Enter"]);
    check((await ended(page)).trimEnd().endsWith("choice: Q\n\nThank you for playing.\nGoodbye."), "no farewell on the phone");
    check(await page.evaluate(() => document.activeElement.id !== "answer"), "a key put the focus in the answer field");
    await axe(page, "after the farewell, phone");
}

// Answers longer than the game's input buffer, read a buffer at a time: a number split across two reads, a refused line dropped
// across two, then the input ended; the last screen, less the answers shown, as on a terminal.
async function longAnswers(browser, url) {
    const page = await newPage(browser, null);
    await page.goto(url);
    await waitFor(page, "Please enter your choice: ");
    const lines = read("input", longSession).split("\n").slice(0, -1);
    for (const line of lines) await page.$eval("#answer", (field, line) => ((field.value = line), field.form.requestSubmit()), line);
    await withControl(page, "d");
    const shown = trimmed((await ended(page).catch(() => screen(page))).replace(`${lines.at(-1)}\n`, ""));
    check(shown === lastScreen(longSession), `after answers longer than the input buffer:\n${shown}\n${await text(page, "#status")}\nnot\n`
        + lastScreen(longSession));
    await page.close();
}

// The site broken, each way in a page the service worker doesn't answer: each failure to load said as what it is, and alone;
// a .wasm of the wrong type played all the same; a game failing midway ending with its screen kept.
async function brokenSite(browser, url) {
    const wasm = fs.readFileSync(path.join(site, "hullstrike.wasm"));
    const reply = (status, type, body) => (response) => response.writeHead(status, { "Content-Type": type }).end(body);
    const half = (name, bytes = fs.readFileSync(path.join(site, name))) => reply(200, "text/javascript", bytes.subarray(0, bytes.length / 2));
    for (const [file, answered, said] of [
        ["/page.js", half("page.js"), "The game could not be loaded: page.js is cut short or damaged (SyntaxError: "],
        ["/hullstrike.js", half("hullstrike.js"), "The game could not be loaded: hullstrike.js is cut short or damaged (SyntaxError: "],
        ["/page.js", reply(200, "text/javascript", ""), "The game could not be loaded: page.js ran but did not start the game."],
        ["/hullstrike.js", reply(200, "text/javascript", "1\n"), "hullstrike.js did not define createHullstrike, so it is not this page's game."],
        ["/hullstrike.wasm", reply(404, "text/plain", "not found\n"), "hullstrike.wasm is not on the server (404 Not Found)."],
        ["/hullstrike.wasm", reply(200, "text/html", "<!doctype html>\n"), "is not WebAssembly: the server sent 16 bytes as text/html."],
        ["/hullstrike.wasm", reply(200, "application/wasm", wasm.subarray(0, 4000)), "hullstrike.wasm is damaged ("],
        ["/page.js", reply(200, "text/plain", "play()\n"), "page.js was served as text/plain, which is not JavaScript."],
        ["/offline.js", reply(404, "text/plain", "not found\n"), "No offline play: offline.js is not on the server (404 Not Found)."],
        ["/hullstrike.wasm", reply(200, "application/octet-stream", wasm), "Please enter your choice: "],
        ["", null, "Please enter your choice: "], // and then broken as it plays
    ]) {
        broken = { [file]: answered };
        const page = await newPage(browser, null, file !== "");
        await page.setBypassServiceWorker(true);
        await page.evaluateOnNewDocument(() => { // once window.broken is set, the game's calls out, but the asynchronous ones (known by
            // the Asyncify call in their source, which minifying keeps), throw
            const instantiate = WebAssembly.instantiate, fail = () => { throw new Error("broken by the test"); };
            const breakable = (calls) => Object.fromEntries(Object.entries(calls).map(([key, call]) =>
                [key, /\.handleAsync\(/.test(call) ? call : (...args) => (window.broken ? fail() : call(...args))]));
            WebAssembly.instantiate = (code, imports) => instantiate(code, Object.fromEntries(Object.entries(imports).map(([name, calls]) => [name, breakable(calls)])));
        });
        await page.goto(url);
        await page.waitForFunction((said) => document.body.textContent.includes(said) && !document.getElementById("status").textContent.includes("; "),
            soon, said).catch(() => check(false, `${file} broken: "${said}" never said, or not alone`));
        if (file === "") {
            await page.evaluate(() => (window.broken = true));
            await page.keyboard.type("1\n");
            check(/choice: 1\n$/.test(await ended(page)) && await text(page, "#status") === "The game stopped on an error: broken by the test.",
                "a game broken as it plays: not said, or its screen not kept");
        }
        await page.close();
    }
}

run(server, path.dirname(screenshot), async (browser, url) => {
    for (const part of [desktop, phone, longAnswers, brokenSite]) await part(browser, url);
    check(errors.length === 0, `console errors:\n${errors.join("\n")}`);
}, "played to the farewell on a desktop and a phone");
