// node tests/same_icons.js TREE: the icons TREE/tools/draw-icons.js draws into
// "drawn" here show what TREE's show.
"use strict";
const fs = require("fs"), path = require("path"), zlib = require("zlib"), { execFileSync } = require("child_process");

// A PNG's chunks with the picture inflated, as each zlib may deflate it to other bytes.
function picture(png) {
    const parts = [];
    for (let at = 8; at < png.length;) {
        const length = png.readUInt32BE(at), type = png.subarray(at + 4, at + 8);
        const data = png.subarray(at + 8, at + 8 + length);
        parts.push(type, type.toString() === "IDAT" ? zlib.inflateSync(data) : data);
        at += 12 + length;
    }
    return Buffer.concat(parts);
}

// What a file shows: a PNG its picture; an .ico its entries, their sizes and places aside, and their images so.
function shown(bytes) {
    if (bytes.toString("latin1", 0, 8) === "\x89PNG\r\n\x1a\n") return picture(bytes);
    const entries = [], icon = bytes.readUInt32BE(0) === 0x100;
    for (let i = 0; icon && i < bytes.readUInt16LE(4); i++) {
        const entry = 6 + 16 * i, size = bytes.readUInt32LE(entry + 8), offset = bytes.readUInt32LE(entry + 12);
        entries.push(bytes.subarray(entry, entry + 8), shown(bytes.subarray(offset, offset + size)));
    }
    return icon ? Buffer.concat(entries) : bytes;
}

const tree = process.argv[2], drawn = "drawn";
fs.rmSync(drawn, { recursive: true, force: true });
execFileSync(process.execPath, [path.join(tree, "tools/draw-icons.js"), drawn], { stdio: "inherit" });
const drawnFiles = fs.readdirSync(drawn, { recursive: true }).filter((name) => fs.statSync(path.join(drawn, name)).isFile());
const differ = drawnFiles.filter((name) =>
    !shown(fs.readFileSync(path.join(drawn, name))).equals(shown(fs.readFileSync(path.join(tree, name)))));
differ.forEach((name) => console.log(`${name} differs from what tools/draw-icons.js draws`));
if (drawnFiles.length === 0) console.log("no icon was drawn: nothing compared");
process.exit(differ.length || drawnFiles.length === 0 ? 1 : 0);
