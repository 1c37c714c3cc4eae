// Sends tools/serve-site.js requests it can't decode and paths that try to
// leave its folder, each as sent on the wire, then a good one, which it
// still answers: node serve_site_test.js WORK (a folder of the test's own).
const { spawn } = require("child_process"), fs = require("fs"), net = require("net"), path = require("path");
const work = path.resolve(process.argv[2]), served = path.join(work, "site");
fs.rmSync(work, { recursive: true, force: true });
fs.mkdirSync(served, { recursive: true });
fs.writeFileSync(path.join(work, "secret.txt"), "not to be served\n");
fs.writeFileSync(path.join(served, "index.html"), "<!doctype html>\n");
fs.symlinkSync("../secret.txt", path.join(served, "secret.txt"));
const requests = [
    ["/%", 400], ["/%E0%A4%A", 400], ["/%00", 400], ["/index.html%00.txt", 400], ["/../secret.txt", 404],
    ["/..%2fsecret.txt", 404], ["/%2e%2e/secret.txt", 404], ["/secret.txt", 404], [`/${"%2e%2e%2f".repeat(8)}etc/passwd`, 404],
    ["/", 200],
];
// The status line of one request, written as it is, and the answer's
// policy header.
const ask = (port, target) => new Promise((resolve, fail) => {
    let answer = "";
    net.connect(port, "127.0.0.1", function () {
        this.write(`GET ${target} HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n`);
    }).on("data", (data) => (answer += data)).on("end", () => resolve(answer)).on("error", fail);
});
const server = spawn(process.execPath, [path.join(__dirname, "../../tools/serve-site.js"), served, "0"]);
server.stdout.once("data", async (line) => {
    const failures = [], [, address, port] = /at http:\/\/(.*):(\d+)\/$/m.exec(line);
    if (address !== "127.0.0.1") failures.push(`listening on ${address}, not on the loopback address alone`);
    for (const [target, status] of requests) {
        const answer = await ask(port, target).catch((error) => error.message);
        if (!answer.startsWith(`HTTP/1.1 ${status} `)) failures.push(`${target}: ${answer.split("\r\n")[0]}, not ${status}`);
    }
    const policy = /^Content-Security-Policy: (.*)\r$/m.exec(await ask(port, "/").catch(String))?.[1];
    if (policy !== require("../../tools/serve-site.js").policy) failures.push(`policy header: ${policy}`);
    server.kill();
    console.log(failures.length ? failures.join("\n") : `${requests.length} requests answered as they should be`);
    process.exitCode = failures.length ? 1 : 0;
});
