// Draws the game's icon, a corner of a grid at sea with a ship's three
// squares hit and one shot missed, in every form it ships in: the page's
// app icons, src/web/icon-192.png and icon-512.png; the Windows program's
// icons/hullstrike.ico; and the Linux menu's, icons/hicolor/SIZE/apps/
// hullstrike.png and .svg, laid out as the hicolor theme installs them.
// Run it again only to change them: node tools/draw-icons.js [FOLDER]
// (FOLDER in place of the repository, as the test that compares them does).
"use strict";
const fs = require("fs"), path = require("path"), zlib = require("zlib");

// The page's background, the sea, a hit and a miss.
const palette = [[0x11, 0x11, 0x11], [0x1d, 0x4e, 0x89], [0xe0, 0x53, 0x3d], [0xee, 0xee, 0xee]];
// Five rows of five squares: 1 sea, 2 hit, 3 missed.
const grid = ["11111", "13111", "11111", "12221", "11111"];
// The sizes of the desktop's icons, in the .ico and in the theme alike.
const desktopSizes = [16, 24, 32, 48, 256];

// Each square's colour and pixel edges (right and bottom excluded): the
// grid, with a margin of the page's background around it, as a launcher
// shows it beside other apps. Below 100 pixels every square is a whole
// pixel wider than the share it would get, all alike, so that the small
// sizes stay sharp rather than a mix of one- and two-pixel squares.
function squares(size) {
    let cell = (size - 2 * Math.round(size * 0.14)) / 5;
    if (size < 100) {
        cell = Math.ceil(cell);
    }
    const margin = (size - 5 * cell) / 2, gap = Math.max(1, Math.round(cell * 0.1));
    const at = (i) => Math.round(margin + gap / 2 + i * cell); // the gaps shared out on both sides
    return grid.flatMap((row, y) => [...row].map((colour, x) =>
        ({ colour: Number(colour), left: at(x), top: at(y), right: at(x + 1) - gap, bottom: at(y + 1) - gap })));
}

// One colour index per pixel, row by row from the top.
function draw(size) {
    const pixels = new Uint8Array(size * size);
    for (const { colour, left, top, right, bottom } of squares(size)) {
        for (let j = top; j < bottom; j++) {
            pixels.fill(colour, j * size + left, j * size + right);
        }
    }
    return pixels;
}

// zlib.crc32 came with node 20.15 (Debian 12 has node 18): the same sum,
// a bit at a time, where it is missing.
const crc32 = zlib.crc32 ?? ((bytes) => {
    let crc = ~0;
    for (const byte of bytes) {
        crc ^= byte;
        for (let bit = 0; bit < 8; bit++) {
            crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
        }
    }
    return ~crc >>> 0;
});

// A PNG chunk: its length, type, data and the CRC of type and data.
function chunk(type, data) {
    const length = Buffer.alloc(4), crc = Buffer.alloc(4);
    length.writeUInt32BE(data.length);
    crc.writeUInt32BE(crc32(Buffer.concat([Buffer.from(type), data])));
    return Buffer.concat([length, Buffer.from(type), data, crc]);
}

// A PNG with nothing in it but the picture: no time, no name. A 2-bit
// palette one, or with rgba one of 8-bit red, green, blue and alpha, the
// kind every reader of an .ico takes.
function png(size, pixels, rgba = false) {
    const header = Buffer.alloc(13);
    header.writeUInt32BE(size, 0);
    header.writeUInt32BE(size, 4);
    header.set(rgba ? [8, 6, 0, 0, 0] : [2, 3, 0, 0, 0], 8); // bit depth, colour type, no interlace
    const stride = (rgba ? 4 * size : size / 4) + 1, rows = Buffer.alloc(size * stride);
    for (let y = 0; y < size; y++) {
        for (let x = 0; x < size; x++) {
            const colour = pixels[y * size + x];
            if (rgba) {
                rows.set([...palette[colour], 0xff], y * stride + 1 + 4 * x);
            } else {
                rows[y * stride + 1 + (x >> 2)] |= colour << (6 - 2 * (x & 3));
            }
        }
    }
    return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk("IHDR", header),
        ...(rgba ? [] : [chunk("PLTE", Buffer.from(palette.flat()))]),
        chunk("IDAT", zlib.deflateSync(rows, { level: 9 })), chunk("IEND", Buffer.alloc(0))]);
}

// An icon image as an .ico holds the small sizes: a 32-bit bitmap, its
// height doubled for the transparency mask that follows it, rows from the
// bottom up, blue, green, red, alpha. The mask, one bit a pixel with rows
// of whole 32-bit words, is all zeros: every pixel is opaque.
function bitmap(size, pixels) {
    const maskStride = Math.ceil(size / 32) * 4;
    const image = Buffer.alloc(40 + 4 * size * size + maskStride * size);
    image.writeUInt32LE(40, 0); // the header's own size
    image.writeInt32LE(size, 4);
    image.writeInt32LE(2 * size, 8);
    image.writeUInt16LE(1, 12); // planes
    image.writeUInt16LE(32, 14); // bits a pixel
    for (let y = 0; y < size; y++) {
        for (let x = 0; x < size; x++) {
            const [red, green, blue] = palette[pixels[(size - 1 - y) * size + x]];
            image.set([blue, green, red, 0xff], 40 + 4 * (y * size + x));
        }
    }
    return image;
}

// A Windows icon of several sizes: a directory of its images, then the
// images, the largest a PNG as Windows keeps the 256-pixel one.
function ico(sizes) {
    const images = sizes.map((size) => size < 256 ? bitmap(size, draw(size)) : png(size, draw(size), true));
    const directory = Buffer.alloc(6 + 16 * sizes.length);
    directory.writeUInt16LE(1, 2); // an icon, not a cursor
    directory.writeUInt16LE(sizes.length, 4);
    let offset = directory.length;
    sizes.forEach((size, i) => {
        const entry = 6 + 16 * i;
        directory.writeUInt8(size % 256, entry); // 0 stands for 256
        directory.writeUInt8(size % 256, entry + 1);
        directory.writeUInt16LE(1, entry + 4); // planes
        directory.writeUInt16LE(32, entry + 6); // bits a pixel
        directory.writeUInt32LE(images[i].length, entry + 8);
        directory.writeUInt32LE(offset, entry + 12);
        offset += images[i].length;
    });
    return Buffer.concat([directory, ...images]);
}

// The same squares as a scalable drawing, at the page's largest size.
function svg(size) {
    const hex = (colour) => "#" + Buffer.from(palette[colour]).toString("hex");
    const rects = squares(size).map(({ colour, left, top, right, bottom }) =>
        `<rect x="${left}" y="${top}" width="${right - left}" height="${bottom - top}" fill="${hex(colour)}"/>`);
    return `<svg xmlns="http://www.w3.org/2000/svg" width="${size}" height="${size}" viewBox="0 0 ${size} ${size}">\n` +
        `<rect width="${size}" height="${size}" fill="${hex(0)}"/>\n${rects.join("\n")}\n</svg>\n`;
}

// Writes a file under the repository, or the folder named, making its folder.
function write(name, bytes) {
    const file = path.join(process.argv[2] ?? path.join(__dirname, ".."), name);
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, bytes);
}

for (const size of [192, 512]) {
    write(`src/web/icon-${size}.png`, png(size, draw(size)));
}
write("icons/hullstrike.ico", ico(desktopSizes));
for (const size of desktopSizes) {
    write(`icons/hicolor/${size}x${size}/apps/hullstrike.png`, png(size, draw(size)));
}
write("icons/hicolor/scalable/apps/hullstrike.svg", svg(512));
