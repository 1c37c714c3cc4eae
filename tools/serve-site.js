// Serves a folder over http as a static host would: compressed (brotli or
// gzip, as the browser accepts), with each file's content type, and
// revalidated on every visit. For measuring the web site and for its tests:
//   node tools/serve-site.js build-web/site [PORT]    (8000 by default)
"use strict";
const crypto = require("crypto"), fs = require("fs"), http = require("http"), path = require("path"), zlib = require("zlib");

const types = {
    ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8", ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm", ".webmanifest": "application/manifest+json", ".json": "application/json",
    ".png": "image/png", ".svg": "image/svg+xml", ".txt": "text/plain; charset=utf-8",
};
const compressible = new Set([".html", ".js", ".css", ".wasm", ".webmanifest", ".json", ".svg", ".txt", ""]);
const compressed = new Map(); // by encoding and the bytes' hash: brotli takes long, and would hold up every request

// The bytes in an encoding, compressed once.
function encode(encoding, bytes, hash) {
    const key = `${encoding} ${hash}`;
    if (!compressed.has(key)) {
        compressed.set(key, encoding === "br" ? zlib.brotliCompressSync(bytes) : zlib.gzipSync(bytes, { level: 9 }));
    }
    return compressed.get(key);
}

// The file a request names inside the folder, a folder's being its
// index.html; nothing outside the folder.
function fileFor(folder, url) {
    const name = decodeURIComponent(new URL(url, "http://host").pathname);
    const file = path.join(folder, name.endsWith("/") ? `${name}index.html` : name);
    return file.startsWith(path.resolve(folder) + path.sep) ? file : null;
}

// Answers requests from the folder that folder() names at the time, so a
// test can put a new release in place of the old.
function siteHandler(folder) {
    return (request, response) => {
        const file = fileFor(path.resolve(folder()), request.url);
        fs.readFile(file ?? "", (error, bytes) => {
            if (error || !["GET", "HEAD"].includes(request.method)) {
                response.writeHead(error ? 404 : 405, { "Content-Type": "text/plain" }).end(error ? "not found\n" : "");
                return;
            }
            const extension = path.extname(file), accepted = request.headers["accept-encoding"] ?? "";
            const encoding = !compressible.has(extension) ? null : /\bbr\b/.test(accepted) ? "br" : /\bgzip\b/.test(accepted) ? "gzip" : null;
            const hash = crypto.createHash("sha256").update(bytes).digest("base64url").slice(0, 22), tag = `"${hash}${encoding ?? ""}"`;
            const headers = { "Content-Type": types[extension] ?? "text/plain; charset=utf-8", "Cache-Control": "no-cache",
                ETag: tag, Vary: "Accept-Encoding" };
            if (request.headers["if-none-match"] === tag) {
                response.writeHead(304, headers).end();
                return;
            }
            const body = encoding ? encode(encoding, bytes, hash) : bytes;
            if (encoding) {
                headers["Content-Encoding"] = encoding;
            }
            headers["Content-Length"] = body.length;
            response.writeHead(200, headers).end(request.method === "HEAD" ? undefined : body);
        });
    };
}

module.exports = { siteHandler };

if (require.main === module) {
    const [folder, port = "8000"] = process.argv.slice(2);
    if (!folder) {
        console.error("usage: node tools/serve-site.js FOLDER [PORT]");
        process.exit(2);
    }
    // Everything compressed before the first visit, as a host that stores its files compressed.
    for (const name of fs.readdirSync(folder)) {
        const bytes = fs.readFileSync(path.join(folder, name)), hash = crypto.createHash("sha256").update(bytes).digest("base64url").slice(0, 22);
        if (compressible.has(path.extname(name))) {
            ["br", "gzip"].forEach((encoding) => encode(encoding, bytes, hash));
        }
    }
    http.createServer(siteHandler(() => folder)).listen(Number(port), () => console.log(`serving ${folder} at http://localhost:${port}/`));
}
