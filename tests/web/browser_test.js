// Plays games in the page in headless Chromium with the ships of a recorded
// session, on a desktop by keyboard and on a phone by the on-screen keys,
// all under the site's content security policy, has axe-core look the page
// over, and breaks the site to see each failure said: node browser_test.js
// SITE SESSION SCREENSHOT FIND_SEED (the phone's screenshot goes beside it;
// FIND_SEED is the seed finder built for node). Exits 77, skipped, without
// Chromium, puppeteer-core or axe-core.
const [site, session, screenshot, findSeed] = process.argv.slice(2);
const fs = require("fs"), http = require("http"), path = require("path"), { execFileSync } = require("child_process");
const { siteHandler, policy } = require("../../tools/serve-site.js");
const read = (name) => fs.readFileSync(path.join(session, name), "latin1");
let puppeteer, axeSource;
try {
    puppeteer = require("puppeteer-core");
    axeSource = fs.readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");
} catch {}
if (!puppeteer || !axeSource || !fs.existsSync("/usr/bin/chromium")) {
    console.log("skipped: needs /usr/bin/chromium, puppeteer-core and axe-core (npm ci)");
    process.exit(77);
}
// The site, with page.js held back until the test lets it go: the page is
// then still loading; a file the test breaks is answered as broken(response).
let letPageLoad, pageMayLoad = Promise.resolve(), broken = {};
const serveSite = siteHandler(() => site);
const server = http.createServer(async (request, response) => {
    if (request.url === "/page.js") await pageMayLoad;
    broken[request.url] ? broken[request.url](response) : serveSite(request, response);
});
// The last board drawn on a terminal, up to the pause, lines right-trimmed.
const trimmed = (text) => text.replace(/\r/g, "").replace(/ +\n/g, "\n").trimEnd();
const lastBoard = trimmed(read("terminal").split("\x1b[H\x1b[2J").pop().split("Please select")[0]);
const easy = read("GameData.txt").split(/\s+/)[0];
const failures = [];
const check = (good, failure) => good || failures.push(failure);
const siteUrl = () => `http://127.0.0.1:${server.address().port}/`;

// A page whose clock reads the seed that hides the session's ships with the
// game's own generator (found by find_seed under node), so that the game hides
// the same ships, and which counts copies, the .wasm's requests and the
// layout shifts not caused by the player; errors in it and breaches of the
// policy fail the test, and so do the console's errors unless the test
// broke the site.
const errors = [];
const seed = Number(execFileSync(process.execPath, [findSeed], { input: read("ships") }));
async function newPage(browser, siteBroken = false) {
    const page = await browser.newPage();
    page.wasmRequests = 0;
    page.on("request", (request) => (page.wasmRequests += request.url().endsWith("/hullstrike.wasm")));
    page.on("console", (message) => message.type() === "error" && (!siteBroken || /policy/.test(message.text()))
        && errors.push(message.text()));
    page.on("pageerror", (error) => errors.push(String(error)));
    await page.evaluateOnNewDocument((now) => {
        document.addEventListener("securitypolicyviolation", (breach) => console.error(`policy breached: ${breach.violatedDirective}`));
        Date.now = () => now;
        window.copies = 0;
        document.addEventListener("copy", () => (window.copies += 1));
        window.shifted = 0;
        new PerformanceObserver((shifts) => shifts.getEntries().forEach((shift) =>
            (window.shifted += shift.hadRecentInput ? 0 : shift.value))).observe({ type: "layout-shift", buffered: true });
    }, seed * 1000);
    return page;
}

// The page's screen as it shows (each board as drawn, not its table), what
// it last said to screen readers, and waits for either.
const screen = (page) => page.$eval("#screen", (log) => Array.from(log.children, (block) =>
    block.className === "board" ? block.firstChild.textContent + "\n" : block.textContent).join(""));
const spoken = (page) => page.$eval("#spoken", (said) => said.textContent);
const waitFor = (page, text, where = "#screen") => page.waitForFunction((text, where) =>
    document.querySelector(where).textContent.includes(text), { timeout: 10000 }, text, where);
// Answers typed in whatever has the focus, each ended by Enter.
async function typeLines(page, ...lines) {
    for (const line of lines) {
        await page.keyboard.type(line + "\n");
    }
}
// On-screen keys tapped with a finger, one after another.
async function tapKeys(page, ...keys) {
    for (const key of keys) {
        await page.tap(`#keys [data-key="${key}"]`);
    }
}
// axe-core over the page as it is now, loaded once per page from outside
// the page's policy: any violation is a failure.
async function axe(page, when) {
    if (await page.evaluate(() => typeof axe === "undefined")) {
        await page.evaluate(axeSource);
    }
    const found = await page.evaluate(async () => (await axe.run({ resultTypes: ["violations"] })).violations
        .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target).join(", ")}`));
    check(found.length === 0, `axe-core ${when}:\n${found.join("\n")}`);
}

// On a desktop, by keyboard: an answer sent while the page loads, sizes
// refused and taken, an answer from a composing keyboard, Ctrl-C copying
// a selection, then ending the game; the sinking screen as on a terminal.
async function desktop(browser) {
    const page = await newPage(browser);
    await page.setViewport({ width: 1024, height: 768 });
    pageMayLoad = new Promise((resolve) => (letPageLoad = resolve));
    const loaded = page.goto(siteUrl()); // not before page.js
    await page.waitForSelector("#keys");
    await page.waitForFunction(() => document.activeElement.id === "answer", { timeout: 10000 })
        .catch(() => check(false, "the answer field has no focus at load"));
    check((await screen(page)) === "Loading…", "no Loading… while the page loads");
    await typeLines(page, "h");
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
    check((await page.$eval("#small-note", (note) => note.textContent)).includes("smaller than 10"), "no note on a small grid");
    await page.focus("#answer");
    await typeLines(page, "", "h");
    await waitFor(page, `Easy will be a grid of ${easy} x ${easy}\n\t\tNormal will be a grid of 15 x 15\n\t\tHard will be a grid of 20 x 20`);
    await page.keyboard.type("\nq");
    await page.keyboard.press("Backspace"); // taken back: the key sent is 1
    await typeLines(page, "1");
    await waitFor(page, "all water", "#spoken");
    // Across from a keyboard that composes: key code 229 and the text inserted.
    const cdp = await page.createCDPSession();
    await cdp.send("Input.dispatchKeyEvent", { type: "rawKeyDown", windowsVirtualKeyCode: 229, key: "Process" });
    await cdp.send("Input.imeSetComposition", { text: "1", selectionStart: 1, selectionEnd: 1 });
    await cdp.send("Input.insertText", { text: "1" });
    await typeLines(page, "", "1");
    await waitFor(page, "1 shot.", "#spoken"); // and not the answer said again:
    check(await spoken(page) === "Across 1, Down 1: hit. 1 shot. Enter coordinates Across:", "the shot not said in words");
    await axe(page, "in a game, desktop");
    check(await page.$$eval(".board tbody td", (cells) => cells.length) === easy * easy, "not one table cell a square");
    await page.$eval("#screen", (log) => getSelection().selectAllChildren(log));
    await page.keyboard.down("Control");
    await page.keyboard.press("c", { commands: ["copy"] });
    await page.keyboard.up("Control");
    check(await page.evaluate(() => window.copies === 1), "Ctrl-C did not copy the selection");
    await page.evaluate(() => getSelection().removeAllRanges());
    await page.focus("#answer");
    await typeLines(page, "2", "1", "3", "1", "4", "1");
    await waitFor(page, 'Press the "Enter" key to continue . . .');
    const sunk = trimmed(await screen(page));
    check(sunk === lastBoard, `after the sinking message:\n${sunk}\nnot\n${lastBoard}`);
    check((await spoken(page)).startsWith("Across 4, Down 1: hit, sunk. 4 shots."), "the sinking not said in words");
    await page.screenshot({ path: screenshot });
    await typeLines(page, "");
    await waitFor(page, "Please enter your choice: ");
    await page.keyboard.down("Control");
    await page.keyboard.press("d");
    await page.keyboard.up("Control");
    await page.waitForSelector("#again:not([hidden])", { timeout: 10000 });
    check((await screen(page)).trimEnd().endsWith("Thank you for playing.\nGoodbye."), "no farewell after Ctrl-D");
    await axe(page, "after the farewell, desktop");
    // Play again, from the keyboard: the button has the focus. Ctrl-C then
    // ends the new game at once, with no farewell, and offers the next.
    await page.keyboard.press("Enter");
    await waitFor(page, "Please enter your choice: ");
    await page.keyboard.down("Control");
    await page.keyboard.press("c");
    await page.keyboard.up("Control");
    await page.waitForSelector("#again:not([hidden])", { timeout: 10000 });
    check(/choice: \^C\n$/.test(await screen(page)), "Ctrl-C did not end the game");
    check(await page.evaluate(() => window.shifted <= 0.01), "the layout moved");
    check(page.wasmRequests === 1, `hullstrike.wasm asked for ${page.wasmRequests} times in two games, not once`);
}

// On a phone, by touch alone: the Hard board whole, Ctrl-C, then a game
// from the menu to the farewell. The sizes are those the desktop left.
async function phone(browser) {
    const page = await newPage(browser);
    await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
    await page.goto(siteUrl());
    await waitFor(page, "Please enter your choice: ");
    await axe(page, "at load, phone");
    check(await page.$$eval("#keys button", (keys) => keys.map((key) => key.textContent).join() ===
        "1,2,3,4,5,H,6,7,8,9,0,Q,Ctrl-C, end the game,Backspace,Enter" && keys.every((key) =>
        key.getBoundingClientRect().width >= 44 && key.getBoundingClientRect().height >= 44)), "keys misnamed or small");
    await tapKeys(page, "3", "Enter");
    await waitFor(page, "Across: ");
    check(await page.$eval(".board", (board) => board.scrollWidth <= board.clientWidth
        && document.documentElement.scrollWidth <= 390 && parseFloat(getComputedStyle(board).fontSize) >= 12
        && board.getBoundingClientRect().bottom <= innerHeight), "the Hard board not whole on a phone");
    await page.screenshot({ path: screenshot.replace(/\.png$/, "-phone.png") });
    await tapKeys(page, "Ctrl-C"); // maybe a mis-tap: the game plays on
    await waitFor(page, "Tap Ctrl-C again to end the game", "#status");
    check(await page.$eval("#again", (again) => again.hidden), "one tap of Ctrl-C ended the game");
    await tapKeys(page, "Ctrl-C");
    await page.waitForSelector("#again:not([hidden])", { timeout: 10000 });
    await page.tap("#again");
    await waitFor(page, "Please enter your choice: ");
    await tapKeys(page, "1", "Enter");
    for (const across of ["1", "2", "3", "4"]) {
        await tapKeys(page, across, "Enter", "1", "Enter");
    }
    await waitFor(page, 'Press the "Enter" key to continue . . .');
    await axe(page, "in a game, phone");
    await tapKeys(page, "Enter", "Q", "Enter");
    await page.waitForSelector("#again:not([hidden])", { timeout: 10000 });
    check((await screen(page)).trimEnd().endsWith("choice: Q\n\nThank you for playing.\nGoodbye."), "no farewell on the phone");
    check(await page.evaluate(() => document.activeElement.id !== "answer"), "a key put the focus in the answer field");
    await axe(page, "after the farewell, phone");
}

// The site broken as a host may break it, each in a page of its own that
// the service worker doesn't answer: every failure to load is said as what
// it is, a .wasm of the wrong type plays all the same, and a game that
// fails midway ends with its screen kept and the next game offered.
async function brokenSite(browser) {
    const wasm = fs.readFileSync(path.join(site, "hullstrike.wasm"));
    const answer = (status, type, body) => (response) => response.writeHead(status, { "Content-Type": type }).end(body);
    for (const [file, answered, said] of [
        ["/hullstrike.wasm", answer(404, "text/plain", "not found\n"), "hullstrike.wasm is not on the server (404 Not Found)."],
        ["/hullstrike.wasm", answer(200, "text/html", "<!doctype html>\n"), "is not WebAssembly: the server sent 16 bytes as text/html."],
        ["/hullstrike.wasm", answer(200, "application/wasm", wasm.subarray(0, 4000)), "hullstrike.wasm is damaged ("],
        ["/page.js", answer(200, "text/plain", "play()\n"), "page.js was served as text/plain, which is not JavaScript."],
        ["/hullstrike.wasm", answer(200, "application/octet-stream", wasm), "Please enter your choice: "],
        ["", null, "Please enter your choice: "], // and one broken as it plays:
    ]) {
        broken = { [file]: answered };
        const page = await newPage(browser, file !== "");
        await page.setBypassServiceWorker(true);
        await page.evaluateOnNewDocument(() => {
            const instantiate = WebAssembly.instantiate, breakable = (call) => (...args) => {
                if (window.broken) throw new Error("broken by the test");
                return call(...args);
            };
            WebAssembly.instantiate = (code, imports) => instantiate(code, Object.fromEntries(Object.entries(imports).map(([name, calls]) =>
                [name, Object.fromEntries(Object.entries(calls).map(([key, call]) => [key, call.name.startsWith("__asyncjs__") ? call : breakable(call)]))])));
        });
        await page.goto(siteUrl());
        await page.waitForFunction((said) => document.body.textContent.includes(said), { timeout: 10000 }, said)
            .catch(() => check(false, `${file} broken: "${said}" never said`));
        if (file === "") {
            await page.evaluate(() => (window.broken = true));
            await typeLines(page, "1");
            await page.waitForSelector("#again:not([hidden])", { timeout: 10000 });
            check(await page.$eval("#status", (status) => status.textContent) === "The game stopped on an error: broken by the test."
                && /choice: 1\n$/.test(await screen(page)), "a game broken as it plays: not said, or its screen not kept");
        }
        await page.close();
    }
}

(async () => {
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    const profile = fs.mkdtempSync(path.join(path.dirname(screenshot), "chromium-")); // a fresh one
    const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true, userDataDir: profile,
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-sync",
               "--disable-background-networking", "--disable-component-update"] });
    await desktop(browser);
    await phone(browser);
    await brokenSite(browser);
    check(errors.length === 0, `console errors:\n${errors.join("\n")}`);
    await browser.close();
    fs.rmSync(profile, { recursive: true });
    server.close();
    console.log(failures.length ? failures.join("\n\n") : "played to the farewell on a desktop and a phone");
    process.exit(failures.length ? 1 : 0);
})().catch((error) => (console.log(error), process.exit(1)));
