// Plays a game in the page in headless Chromium with the ships of a recorded
// session: node browser_test.js SITE SESSION SCREENSHOT. Exits 77, skipped,
// without Chromium or puppeteer-core.
const [site, session, screenshot] = process.argv.slice(2);
const fs = require("fs"), http = require("http"), path = require("path");
const read = (name) => fs.readFileSync(path.join(session, name), "latin1");
let puppeteer;
try { puppeteer = require("puppeteer-core"); } catch {}
if (!puppeteer || !fs.existsSync("/usr/bin/chromium")) {
    console.log("skipped: needs /usr/bin/chromium and puppeteer-core (npm ci)");
    process.exit(77);
}
const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm" };
const server = http.createServer((request, response) => {
    const file = path.join(site, request.url === "/" ? "index.html" : request.url);
    fs.readFile(file, (error, bytes) => response.writeHead(error ? 404 : 200, { "Content-Type": types[path.extname(file)] || "text/plain" }).end(bytes));
});
// The last board drawn on a terminal, up to the pause, lines right-trimmed.
const trimmed = (text) => text.replace(/\r/g, "").replace(/ +\n/g, "\n").trimEnd();
const lastBoard = trimmed(read("terminal").split("\x1b[H\x1b[2J").pop().split("Please select")[0]);
const easy = read("GameData.txt").split(/\s+/)[0];
(async () => {
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    const profile = fs.mkdtempSync(path.join(path.dirname(screenshot), "chromium-")); // a fresh one
    const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true,
        userDataDir: profile,
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-sync",
               "--disable-background-networking", "--disable-component-update"] });
    const page = await browser.newPage(), errors = [];
    page.on("console", (message) => message.type() === "error" && errors.push(message.text()));
    page.on("pageerror", (error) => errors.push(String(error)));
    // The clock the game seeds from reads the session's musl seed, and the
    // screen is read from the terminal's top line.
    await page.evaluateOnNewDocument((now) => {
        Date.now = () => now;
        window.screenText = () => Array.from({ length: terminal.rows }, (_, row) =>
            terminal.buffer.active.getLine(terminal.buffer.active.baseY + row).translateToString(true)).join("\n");
    }, Number(/^musl (\d+)$/m.exec(read("seed"))[1]) * 1000);
    const screen = () => page.evaluate(() => screenText());
    const waitFor = (text) => page.waitForFunction((text) => screenText().includes(text), { timeout: 10000 }, text);
    const loading = Date.now();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await waitFor("Please enter your choice: ");
    console.log(`loaded to the menu prompt in ${Date.now() - loading} ms`);
    await page.$eval("#easy", (field) => (field.value = ""));
    await page.type("#easy", easy);
    await page.focus(".xterm-helper-textarea");
    await page.keyboard.type("q"); // taken back: the key sent is h
    await page.keyboard.press("Backspace");
    await page.keyboard.type("h\n");
    await waitFor(`Easy will be a grid of ${easy} x ${easy}`);
    await page.keyboard.type("\n1\n1\n1\n2\n1\n3\n1\n4\n1\n");
    await waitFor('Press the "Enter" key to continue . . .');
    const sunk = trimmed(await screen());
    await page.screenshot({ path: screenshot, fullPage: true });
    await page.keyboard.type("\n");
    await waitFor("Please enter your choice: ");
    await page.keyboard.down("Control");
    await page.keyboard.press("d");
    await page.keyboard.up("Control");
    await waitFor("Goodbye.");
    await page.waitForSelector("#again:not([hidden])", { timeout: 10000 });
    const farewell = await screen();
    // Play again, from the keyboard: the button has the focus. Ctrl-C then
    // ends the new game at once, with no farewell, and offers the next.
    await page.keyboard.press("Enter");
    await waitFor("Please enter your choice: ");
    await page.keyboard.down("Control");
    await page.keyboard.press("c");
    await page.keyboard.up("Control");
    await page.waitForSelector("#again:not([hidden])", { timeout: 10000 });
    const interrupted = await screen();
    const failures = [sunk === lastBoard || `after the sinking message:\n${sunk}\nnot\n${lastBoard}`,
        farewell.includes("Thank you for playing.\nGoodbye.") || `after Ctrl-D:\n${farewell}`,
        /choice: \^C\n*$/.test(interrupted) && !interrupted.includes("Goodbye") || `after Ctrl-C:\n${interrupted}`,
        errors.length === 0 || `console errors:\n${errors.join("\n")}`].filter((check) => check !== true);
    await browser.close();
    fs.rmSync(profile, { recursive: true });
    server.close();
    console.log(failures.length ? failures.join("\n\n") : "played a game to the farewell");
    process.exit(failures.length ? 1 : 0);
})().catch((error) => (console.log(error), process.exit(1)));
