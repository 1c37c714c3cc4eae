// What the web tests share: a skip without Chromium or a package, the failures said at the end, Chromium on a fresh profile.
const fs = require("fs"), path = require("path");
const chromium = "/usr/bin/chromium", failures = [];
// Notes a failure and goes on, so that one run says them all; finish() says them, or what passed, and exits 1 on any.
const check = (passed, failure) => passed || failures.push(failure);
const finish = (passed) => (console.log(failures.length ? failures.join("\n\n") : passed), process.exit(failures.length ? 1 : 0));

// The packages' files; without one of them or Chromium, exits 77: skipped, saying what to install.
function needs(...packages) {
    try {
        if (fs.existsSync(chromium)) return packages.map((name) => require.resolve(name));
    } catch {}
    console.log(`skipped: needs ${chromium} and ${packages.join(", ")} (npm ci)`);
    process.exit(77);
}

// Runs test(browser, url) with the server on the loopback address and Chromium on a fresh profile in work, then finishes.
function run(server, work, test, passed) {
    server.listen(0, "127.0.0.1", () => (async () => {
        const profile = fs.mkdtempSync(path.join(work, "chromium-"));
        const browser = await require("puppeteer-core").launch({ executablePath: chromium, headless: true, userDataDir: profile, args: ["--no-sandbox",
            "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-sync", "--disable-background-networking", "--disable-component-update"] });
        await test(browser, `http://127.0.0.1:${server.address().port}/`);
        await browser.close();
        fs.rmSync(profile, { recursive: true });
        finish(passed);
    })().catch((error) => (console.log(error), process.exit(1))));
}

module.exports = { check, finish, needs, run };
