// The page played offline after one visit, then a new release offered between games and taken, while a game in a second tab plays
// on and a third tab, still loading, loads again from it: node offline_test.js SITE WORK CMAKE FILES FIND_SEED (the site's files,
// comma-separated; the seed finder built for node).
const { execFileSync } = require("child_process"), fs = require("fs"), http = require("http"), path = require("path");
const { check, needs, run } = require("./harness.js"), { siteHandler } = require("../../tools/serve-site.js");
needs("puppeteer-core");
const [site, work] = process.argv.slice(2, 4).map((arg) => path.resolve(arg)), [cmake, files, findSeed] = process.argv.slice(4);
// The next release: one more line in the page and the service worker the build would write for it; and a server caught halfway,
// with that worker and the old page.
const next = path.join(work, "next-release"), halfway = path.join(work, "halfway"), sources = path.join(__dirname, "..", "..");
[next, halfway].forEach((folder) => fs.rmSync(folder, { recursive: true, force: true }));
fs.cpSync(site, next, { recursive: true });
fs.writeFileSync(path.join(next, "index.html"), fs.readFileSync(path.join(site, "index.html"), "utf8")
    .replace("<head>", '<head>\n<meta name="release" content="next">'));
execFileSync(cmake, [`-DSITE=${next}`, `-DFILES=${files}`, `-DTEMPLATE=${sources}/src/web/service-worker.js.in`, `-DOUTPUT=${next}/sw.js`,
    "-P", `${sources}/cmake/scripts/service-worker.cmake`]);
fs.cpSync(next, halfway, { recursive: true });
fs.copyFileSync(path.join(site, "index.html"), path.join(halfway, "index.html"));
let served = site, offline = false, wasmFetches = 0, workersChanged;
const handle = siteHandler(() => served);
// A host that sends its folder's index.html to the folder itself, as some do, and never answers for held.png, keeping a page loading.
const server = http.createServer((request, response) => offline ? request.socket.destroy() : (wasmFetches += request.url === "/hullstrike.wasm",
    request.url === "/index.html" ? response.writeHead(301, { Location: "/" }).end() : request.url === "/held.png" || handle(request, response)));
const wait = { timeout: 20000 };
run(server, work, async (browser, url) => {
    const page = await browser.newPage(), client = await page.createCDPSession(), workers = new Map();
    client.on("ServiceWorker.workerVersionUpdated", ({ versions }) =>
        (versions.forEach((version) => workers.set(version.versionId, version.status)), workersChanged?.()));
    await client.send("ServiceWorker.enable");
    // Waits until the site's workers, old and new, are in these states.
    const workersAre = (...states) => new Promise((resolve, fail) => {
        setTimeout(() => fail(new Error(`the workers never were ${states}: ${[...workers.values()]}`)), 20000);
        (workersChanged = () => [...workers.values()].sort().join() === states.join() && resolve())();
    });
    // Shows the help after the menu; says which release it is, with the one cache the worker keeps.
    const plays = async () => {
        await page.keyboard.type("h\n");
        await page.waitForFunction(() => /choice:.*will be a grid of/s.test(document.body.innerText), wait);
        return page.evaluate(async () => `${document.querySelector('meta[name="release"]') ? "next" : "first"}: ${await caches.keys()}`);
    };
    await page.goto(url);
    await plays();
    await workersAre("activated");
    check(wasmFetches === 2, `hullstrike.wasm fetched ${wasmFetches} times, not once by the page and once by the worker`);
    const installable = JSON.stringify((await client.send("Page.getInstallabilityErrors")).installabilityErrors);
    check(installable === "[]", `not installable: ${installable}`);
    // Reloads the page with the site in a folder served, or offline.
    const reload = async (folder, off = false) => ((served = folder), (offline = off), await page.setOfflineMode(off), await page.reload());
    await reload(site, true);
    const kept = await plays();
    check(/^first: hullstrike \/ \w+$/.test(kept), `offline: ${kept}`);
    await reload(halfway); // the next worker finds the old page, and is dropped
    await workersAre("activated", "redundant");
    await reload(next); // still the release kept, while the next one is fetched
    const during = await plays();
    check(during.startsWith(kept), `the next release served while a page of the first was open, or the first one changed: ${during}`);
    await workersAre("activated", "installed", "redundant");
    // Offered at the menu, not in a game (plays() leaves the help's pause), in words set in a live region shown since the page loaded.
    const offer = (tab) => tab.$eval("#update", (said) => (said.checkVisibility() ? `"${said.textContent}"` : "hidden")
        + (document.getElementById("update-now").hidden ? "" : " Update"));
    const shows = (tab, pattern) => tab.waitForFunction((pattern) => new RegExp(pattern).test(document.getElementById("screen").textContent), wait, pattern);
    const offered = '"A new version is ready" Update';
    check(await offer(page) === '""', `in a game: ${await offer(page)}`);
    // Another tab of the first release, in a game on a 1 by 1 grid at a seed that hides the ship at 1 1, plays on while the first
    // takes the new release, asking for no file, and offers it at its menu.
    const other = await browser.newPage(), asked = [];
    const seed = execFileSync(process.execPath, [findSeed], { input: "row 1 from column 1\n" });
    await other.evaluateOnNewDocument((now) => (Date.now = () => now), Number(seed) * 1000);
    await other.goto(url);
    await shows(other, "choice: $");
    await other.click("#easy", { clickCount: 3 });
    await other.keyboard.type("1");
    await other.type("#answer", "1\n");
    await shows(other, "Across: $");
    other.on("request", (request) => asked.push(request.url()));
    // A third tab still loading, an image of it held, loads again from the new release once the first takes it.
    const loading = await browser.newPage();
    await loading.evaluateOnNewDocument(() => addEventListener("DOMContentLoaded", () => document.body.append(Object.assign(new Image(), { src: "held.png" }))));
    await loading.goto(url, { waitUntil: "domcontentloaded" });
    await page.bringToFront();
    await page.keyboard.type("\n");
    await shows(page, "choice: $");
    check(await offer(page) === offered, `at the menu: ${await offer(page)}`);
    await Promise.all([page.waitForNavigation(), page.click("#update-now")]);
    await workersAre("activated", "redundant", "redundant");
    const replaced = await plays();
    check(/^next: hullstrike \/ \w+$/.test(replaced) && replaced.split(" ").pop() !== kept.split(" ").pop(), `after the next release: ${replaced}`);
    await loading.waitForSelector('meta[name="release"]', wait).catch(() => check(false, "a tab still loading kept the first release"));
    await other.bringToFront();
    await other.keyboard.type("1\n1\n".repeat(4));
    await shows(other, "It took you 4 shots");
    check(await offer(other) === '""', `in the other tab's game: ${await offer(other)}`);
    await other.keyboard.type("\n");
    await shows(other, "choice: $");
    check(await offer(other) === offered && asked.length === 0, `the other tab at its menu: ${await offer(other)}, asked for ${asked}`);
    await Promise.all([other.waitForNavigation(), other.click("#update-now")]);
    check(await other.$('meta[name="release"]') !== null, "Update in the other tab did not load the next release");
    // From the disk, the page says how to serve it, the folder quoted so that a shell takes it whole and runs nothing in it.
    const odd = path.join(work, "the player's $(touch ran) `touch ran` folder");
    fs.cpSync(site, odd, { recursive: true });
    await page.goto(`file://${encodeURI(odd)}/index.html`);
    const quoted = await (await page.waitForFunction(() => /-d (.*) and open http:/.exec(document.getElementById("status").textContent)?.[1], wait)).jsonValue();
    check(execFileSync("sh", ["-c", `printf %s ${quoted}`], { cwd: work }).toString() === `${odd}/` && !fs.existsSync(path.join(work, "ran")),
        `the folder quoted as ${quoted}`);
}, "played offline, and the next release replaced the one kept");
