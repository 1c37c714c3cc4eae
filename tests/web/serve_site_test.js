// Starts tools/serve-site.js on a folder holding a folder, a link out and a named pipe, and sends it requests as written on the
// wire: ones it can't decode, paths out of its folder and good ones, compressed as asked or not. node serve_site_test.js WORK
const { execFileSync, spawn } = require("child_process"), fs = require("fs"), net = require("net"), path = require("path");
const { check, finish } = require("./harness.js");
const work = path.resolve(process.argv[2]), served = path.join(work, "site");
fs.rmSync(work, { recursive: true, force: true });
fs.mkdirSync(path.join(served, "folder"), { recursive: true });
const files = { "secret.txt": "not to be served\n", "site/index.html": "<!doctype html>\n", "site/folder/inside.txt": "in a folder\n" };
Object.entries(files).forEach(([name, text]) => fs.writeFileSync(path.join(work, name), text));
fs.symlinkSync("../secret.txt", path.join(served, "secret.txt"));
execFileSync("mkfifo", [path.join(served, "pipe.txt")]); // read, it would never end
// Each request: its target, the status answered and, for some, a header sent and one the answer must have.
const requests = [
    ["/%", 400], ["/%E0%A4%A", 400], ["/%00", 400], ["/index.html%00.txt", 400], ["/../secret.txt", 404],
    ["/..%2fsecret.txt", 404], ["/%2e%2e/secret.txt", 404], ["/secret.txt", 404], [`/${"%2e%2e%2f".repeat(8)}etc/passwd`, 404],
    ["/folder", 404], ["/folder/", 404], ["/pipe.txt", 404], ["/folder/inside.txt", 200, "Accept-Encoding: gzip", "Content-Encoding: gzip"],
    ["/", 200, "Accept-Encoding: gzip, br", "Content-Encoding: br"], ["/", 200, "", "Content-Length: 16"],
    ["/", 200, "", "X-Content-Type-Options: nosniff"],
];
// The answer to one request, as it is written.
const ask = (port, target, header) => new Promise((resolve, fail) => {
    let answer = "";
    net.connect(port, "127.0.0.1").on("data", (data) => (answer += data)).on("end", () => resolve(answer)).on("error", fail)
        .write(`GET ${target} HTTP/1.1\r\nHost: 127.0.0.1\r\n${header ? `${header}\r\n` : ""}Connection: close\r\n\r\n`);
});
const server = spawn(process.execPath, [path.join(__dirname, "../../tools/serve-site.js"), served, "0"], { stdio: ["ignore", "pipe", "inherit"] });
server.once("exit", (status) => (console.log(`the server stopped at start, status ${status}`), process.exit(1)));
server.stdout.once("data", async (line) => {
    const [, address, port] = /at http:\/\/(.*):(\d+)\/$/m.exec(line);
    check(address === "127.0.0.1", `listening on ${address}, not on the loopback address alone`);
    for (const [target, status, header, answered = ""] of requests) {
        const answer = await ask(port, target, header).catch((error) => error.message);
        check(answer.startsWith(`HTTP/1.1 ${status} `) && answer.split("\r\n").includes(answered),
            `${target}: ${answer.split("\r\n")[0]}, not ${status} ${answered}`);
    }
    server.removeAllListeners("exit").kill();
    finish(`${requests.length} requests answered as they should be`);
});
