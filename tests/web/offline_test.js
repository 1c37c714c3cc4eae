// Opens the page once in headless Chromium, then plays it with the network
// off, then puts a new release of the site in place and sees it replace the
// one kept: node offline_test.js SITE WORK CMAKE. Exits 77, skipped, without
// Chromium or puppeteer-core.
const { execFileSync } = require("child_process"), fs = require("fs"), http = require("http"), path = require("path");
const [site, work] = process.argv.slice(2, 4).map((arg) => path.resolve(arg)), cmake = process.argv[4];
const { siteHandler } = require("../../tools/serve-site.js");
let puppeteer;
try { puppeteer = require("puppeteer-core"); } catch {}
if (!puppeteer || !fs.existsSync("/usr/bin/chromium")) {
    console.log("skipped: needs /usr/bin/chromium and puppeteer-core (npm ci)");
    process.exit(77);
}
// The next release: the same site with one more line in its page, and the
// service worker the build would write for it; and a server caught halfway,
// with that worker and the old page.
const next = path.join(work, "next-release"), halfway = path.join(work, "halfway"), sources = path.join(__dirname, "..", "..");
[next, halfway].forEach((folder) => fs.rmSync(folder, { recursive: true, force: true }));
fs.cpSync(site, next, { recursive: true });
fs.writeFileSync(path.join(next, "index.html"), fs.readFileSync(path.join(site, "index.html"), "utf8")
    .replace("<head>", '<head>\n<meta name="release" content="next">'));
execFileSync(cmake, [`-DSITE=${next}`, `-DTEMPLATE=${sources}/src/web/service-worker.js.in`, "-P", `${sources}/cmake/service-worker.cmake`]);
fs.cpSync(next, halfway, { recursive: true });
fs.copyFileSync(path.join(site, "index.html"), path.join(halfway, "index.html"));
let served = site, offline = false;
const requests = [];
const handle = siteHandler(() => served);
// A host that sends its folder's index.html to the folder itself, as some do.
const server = http.createServer((request, response) => offline ? request.socket.destroy() : (requests.push(request.url),
    request.url === "/index.html" ? response.writeHead(301, { Location: "/" }).end() : handle(request, response)));
(async () => {
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    const url = `http://127.0.0.1:${server.address().port}/`, profile = fs.mkdtempSync(path.join(work, "chromium-"));
    const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", headless: true, userDataDir: profile,
        args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-sync",
               "--disable-background-networking", "--disable-component-update"] });
    const page = await browser.newPage(), client = await page.createCDPSession(), workers = new Map();
    let workersChanged = () => {};
    client.on("ServiceWorker.workerVersionUpdated", ({ versions }) => {
        versions.forEach((version) => workers.set(version.versionId, version.status));
        workersChanged();
    });
    await client.send("ServiceWorker.enable");
    // Waits until the site's workers, old and new, are in these states.
    const workersAre = (...states) => new Promise((resolve, fail) => {
        setTimeout(() => fail(new Error(`the workers never were ${states}: ${[...workers.values()]}`)), 20000);
        (workersChanged = () => [...workers.values()].sort().join() === states.join() && resolve())();
    });
    // The page shows the menu and answers a key: h brings the help.
    const plays = async () => {
        const shown = (text) => page.waitForFunction((text) => document.body.innerText.replace(/\s+/g, " ").includes(text), { timeout: 20000 }, text);
        await shown("Please enter your choice:");
        await page.keyboard.type("h\n");
        await shown("will be a grid of");
    };
    const kept = () => page.evaluate(async () => (await caches.keys()).join("\n"));
    await page.goto(url);
    await plays();
    await workersAre("activated");
    const wasmFetches = requests.filter((name) => name === "/hullstrike.wasm").length; // the page's, then the worker's
    const { installabilityErrors: installability } = await client.send("Page.getInstallabilityErrors");
    const firstRelease = await kept();
    offline = true;
    await page.setOfflineMode(true);
    await page.reload();
    await plays();
    offline = false;
    await page.setOfflineMode(false);
    served = halfway; // the next worker finds the old page, and is dropped
    await page.reload();
    await workersAre("activated", "redundant");
    const afterHalfway = await kept();
    served = next;
    await page.reload(); // still the release kept, while the next one is fetched
    await plays();
    const oldPage = await page.$('meta[name="release"]');
    await workersAre("activated", "installed", "redundant");
    await page.goto("about:blank"); // no page of the old release is left: the next takes over
    await workersAre("activated", "redundant", "redundant");
    await page.goto(url);
    await plays();
    const newPage = await page.$('meta[name="release"]'), nextRelease = await kept();
    // From the disk, the page says how to serve it.
    await page.goto(`file://${site}/index.html`);
    await page.waitForFunction(() => !document.getElementById("status").hidden, { timeout: 20000 });
    const fromDisk = await page.$eval("#status", (status) => status.textContent);
    await browser.close();
    fs.rmSync(profile, { recursive: true });
    server.close();
    const failures = [wasmFetches === 2 || `hullstrike.wasm fetched ${wasmFetches} times on the first visit, not once by the page and once by the worker`,
        installability.length === 0 || `not installable: ${JSON.stringify(installability)}`,
        (oldPage === null && newPage !== null) || "the next release was not served, or served too early",
        (/^hullstrike \/ \w+$/.test(firstRelease) && /^hullstrike \/ \w+$/.test(nextRelease) && firstRelease !== nextRelease)
            || `caches kept: ${JSON.stringify([firstRelease, nextRelease])}`,
        afterHalfway === firstRelease || `a release taken halfway: ${afterHalfway}`,
        fromDisk.includes(`python3 -m http.server -d ${site}/ `) || `from the disk: ${fromDisk}`].filter((check) => check !== true);
    console.log(failures.length ? failures.join("\n") : "played offline, and the next release replaced the one kept");
    process.exit(failures.length ? 1 : 0);
})().catch((error) => (console.log(error), process.exit(1)));
