// Draws the page's app icons, src/web/icon-192.png and icon-512.png: a
// corner of a grid at sea with a ship's three squares hit and one shot
// missed. Run it again only to change them: node tools/draw-icons.js
"use strict";
const fs = require("fs"), path = require("path"), zlib = require("zlib");

// The page's background, the sea, a hit and a miss.
const palette = [[0x11, 0x11, 0x11], [0x1d, 0x4e, 0x89], [0xe0, 0x53, 0x3d], [0xee, 0xee, 0xee]];
// Five rows of five squares: 1 sea, 2 hit, 3 missed.
const grid = ["11111", "13111", "11111", "12221", "11111"];

// One colour index per pixel: the grid, with a margin of the page's
// background around it, as a launcher shows it beside other apps.
function draw(size) {
    const pixels = new Uint8Array(size * size);
    const margin = Math.round(size * 0.14), cell = (size - 2 * margin) / 5, gap = Math.max(1, Math.round(cell * 0.1));
    grid.forEach((row, y) => [...row].forEach((colour, x) => {
        const at = (i) => Math.round(margin + gap / 2 + i * cell); // the gaps shared out on both sides
        const left = at(x), top = at(y), right = at(x + 1) - gap, bottom = at(y + 1) - gap;
        for (let j = top; j < bottom; j++) {
            pixels.fill(Number(colour), j * size + left, j * size + right);
        }
    }));
    return pixels;
}

// A PNG chunk: its length, type, data and the CRC of type and data.
function chunk(type, data) {
    const length = Buffer.alloc(4), crc = Buffer.alloc(4);
    length.writeUInt32BE(data.length);
    crc.writeUInt32BE(zlib.crc32(Buffer.concat([Buffer.from(type), data])));
    return Buffer.concat([length, Buffer.from(type), data, crc]);
}

// A 2-bit palette PNG with nothing in it but the picture: no time, no name.
function png(size, pixels) {
    const header = Buffer.alloc(13);
    header.writeUInt32BE(size, 0);
    header.writeUInt32BE(size, 4);
    header.set([2, 3, 0, 0, 0], 8); // bit depth 2, palette, no interlace
    const stride = size / 4 + 1, rows = Buffer.alloc(size * stride);
    for (let y = 0; y < size; y++) {
        for (let x = 0; x < size; x++) {
            rows[y * stride + 1 + (x >> 2)] |= pixels[y * size + x] << (6 - 2 * (x & 3));
        }
    }
    return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk("IHDR", header),
        chunk("PLTE", Buffer.from(palette.flat())), chunk("IDAT", zlib.deflateSync(rows, { level: 9 })),
        chunk("IEND", Buffer.alloc(0))]);
}

for (const size of [192, 512]) {
    fs.writeFileSync(path.join(__dirname, "..", "src", "web", `icon-${size}.png`), png(size, draw(size)));
}
