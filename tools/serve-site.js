// Serves a folder over http as a static host would: compressed (brotli or
// gzip, as the browser accepts), with each file's content type and the
// page's content security policy, and revalidated on every visit; only on
// this machine (the loopback address) unless given another address to
// listen on. For measuring the web site and for its tests:
//   node tools/serve-site.js build-web/site [PORT] [--host ADDRESS]    (port 8000 by default)
"use strict";
const crypto = require("crypto"), fs = require("fs"), http = require("http"), path = require("path"), zlib = require("zlib");

const types = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8", ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm", ".webmanifest": "application/manifest+json", ".json": "application/json",
    ".png": "image/png", ".svg": "image/svg+xml", ".txt": "text/plain; charset=utf-8",
};
const compressible = new Set([".html", ".js", ".css", ".wasm", ".webmanifest", ".json", ".svg", ".txt", ""]);
// The policy of index.html's <meta>, with what only a header can say: no
// other site may show the page in a frame.
const policy = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; "
    + "object-src 'none'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
// By file, its last compressed copy, with the encoding and the hash of the
// bytes it was made from: brotli takes long, and would hold up every
// request. A file that changes, or is asked for in another encoding, gets
// a new copy in place of the old.
const compressed = new Map();

// A file's bytes in an encoding, compressed once while they stay the same.
function encode(file, encoding, bytes, hash) {
    const kept = compressed.get(file);
    if (kept?.encoding !== encoding || kept.hash !== hash) {
        const body = encoding === "br" ? zlib.brotliCompressSync(bytes) : zlib.gzipSync(bytes, { level: 9 });
        compressed.set(file, { encoding, hash, body });
    }
    return compressed.get(file).body;
}

// A file's bytes, if it is a plain file: opened first, without waiting (a
// named pipe would wait for a writer), then looked at, so that what is
// read is what was looked at. Null for anything else, or nothing there.
async function plainBytes(file) {
    let handle;
    try {
        handle = await fs.promises.open(file, fs.constants.O_RDONLY | fs.constants.O_NONBLOCK);
        return (await handle.stat()).isFile() ? await handle.readFile() : null;
    } catch {
        return null;
    } finally {
        await handle?.close();
    }
}

// The file a request names, a folder's being its index.html: undefined for
// a name that can't be decoded, null for one outside the folder, a link
// out of it included.
function fileFor(folder, url) {
    let name;
    try {
        name = decodeURIComponent(new URL(url, "http://host").pathname);
    } catch {
        return undefined;
    }
    if (name.includes("\0")) {
        return undefined;
    }
    try {
        const inside = fs.realpathSync(folder);
        const file = fs.realpathSync(path.join(inside, name.endsWith("/") ? `${name}index.html` : name));
        return file.startsWith(inside + path.sep) ? file : null;
    } catch {
        return null; // no such file
    }
}

// Answers requests from the folder that folder() names at the time, so a
// test can put a new release in place of the old.
function siteHandler(folder) {
    return (request, response) => {
        const file = fileFor(path.resolve(folder()), request.url);
        if (file === undefined) {
            response.writeHead(400, { "Content-Type": "text/plain" }).end("bad request\n");
            return;
        }
        // Only a plain file is served: a folder named without its slash,
        // or a named pipe, which would never end, is not found.
        (file === null ? Promise.resolve(null) : plainBytes(file)).then((bytes) => {
            if (bytes === null || !["GET", "HEAD"].includes(request.method)) {
                response.writeHead(bytes === null ? 404 : 405, { "Content-Type": "text/plain" }).end(bytes === null ? "not found\n" : "");
                return;
            }
            const extension = path.extname(file), accepted = request.headers["accept-encoding"] ?? "";
            const encoding = !compressible.has(extension) ? null : /\bbr\b/.test(accepted) ? "br" : /\bgzip\b/.test(accepted) ? "gzip" : null;
            const hash = crypto.createHash("sha256").update(bytes).digest("base64url").slice(0, 22), tag = `"${hash}${encoding ?? ""}"`;
            const headers = { "Content-Type": types[extension] ?? "text/plain; charset=utf-8", "Cache-Control": "no-cache",
                ETag: tag, Vary: "Accept-Encoding", "Content-Security-Policy": policy, "X-Content-Type-Options": "nosniff" };
            if (request.headers["if-none-match"] === tag) {
                response.writeHead(304, headers).end();
                return;
            }
            const body = encoding ? encode(file, encoding, bytes, hash) : bytes;
            if (encoding) {
                headers["Content-Encoding"] = encoding;
            }
            headers["Content-Length"] = body.length;
            response.writeHead(200, headers).end(request.method === "HEAD" ? undefined : body);
        });
    };
}

// Every plain file in a folder and in the folders it holds, links and
// folders that can't be read left out: what a request may find there,
// compressed before it is asked for.
function plainFilesUnder(folder) {
    let entries = [];
    try {
        entries = fs.readdirSync(folder, { withFileTypes: true });
    } catch {}
    return entries.flatMap((entry) => {
        const name = path.join(folder, entry.name);
        return entry.isDirectory() ? plainFilesUnder(name) : entry.isFile() ? [name] : [];
    });
}

module.exports = { siteHandler, policy };

if (require.main === module) {
    const args = process.argv.slice(2), at = args.indexOf("--host");
    const host = at < 0 ? "127.0.0.1" : args.splice(at, 2)[1];
    const [folder, port = "8000"] = args;
    if (!folder || !host || args.length > 2) {
        console.error("usage: node tools/serve-site.js FOLDER [PORT] [--host ADDRESS]");
        process.exit(2);
    }
    // Everything compressed as browsers ask for it before the first visit, as a host that stores its files compressed.
    for (const name of plainFilesUnder(folder).filter((name) => compressible.has(path.extname(name)))) {
        try {
            const bytes = fs.readFileSync(name), hash = crypto.createHash("sha256").update(bytes).digest("base64url").slice(0, 22);
            encode(fs.realpathSync(name), "br", bytes, hash);
        } catch {} // unreadable: not found when asked for
    }
    const server = http.createServer(siteHandler(() => folder));
    server.listen(Number(port), host, () => {
        const { address, port: listening } = server.address();
        console.log(`serving ${folder} at http://${address.includes(":") ? `[${address}]` : address}:${listening}/`);
    });
}
